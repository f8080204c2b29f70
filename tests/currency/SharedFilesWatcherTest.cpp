#include "FXSharedFilesWatcher.h"

#include "CurrencyCore.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QVariantMap euroAt(double fromBase)
{
    return ratesDocument({{QStringLiteral("USD"), rate(1, 1)}, {QStringLiteral("CHF"), rate(0.9, 1 / 0.9)},
                          {QStringLiteral("EUR"), rate(fromBase, 1 / fromBase)}});
}

// The objects of one process over shared files, and what they announce.
class SharedFilesWatcher : public CurrencyCore {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file.write(euroAt(0.5)));
        ASSERT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.5);
        watcher.emplace(table, file, currencies, settings, center);
        center.addObserver(&observer, FXRatesDidUpdateNotification,
                           [this](const FXNotification &) { ++ratesPosts; }, &currencies);
        center.addObserver(&observer, FXSettingsDidChangeNotification,
                           [this](const FXNotification &) { ++settingsPosts; }, &settings);
    }

    std::optional<FXSharedFilesWatcher> watcher;
    int ratesPosts = 0;
    int settingsPosts = 0;
};

}

// What another process changed is announced; what this one changed, only where it was made.
TEST_F(SharedFilesWatcher, AnnouncesWhatAnotherProcessChangedAndNothingOfItsOwn)
{
    FXRatesFile othersFile(ratesPath());
    ASSERT_TRUE(othersFile.write(euroAt(0.25)));
    ASSERT_TRUE(runUntil([&] { return ratesPosts == 1; }));
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.25);
    FXUserDefaults othersDefaults(settingsPath());
    ASSERT_TRUE(othersDefaults.setObject(QStringList{QStringLiteral("CHF")},
                                         QStringLiteral("VisibleCurrencies")).isDone());
    ASSERT_TRUE(runUntil([&] { return settingsPosts == 1; }));
    EXPECT_EQ(settings.visibleCurrencies(), QStringList{QStringLiteral("CHF")});
    EXPECT_EQ(ratesPosts, 1);

    ASSERT_TRUE(file.write(euroAt(0.2)));
    ASSERT_TRUE(settings.addCurrencyToVisible(QStringLiteral("EUR")).isDone());
    EXPECT_FALSE(runUntil([&] { return ratesPosts > 1 || settingsPosts > 2; }, 500ms));
    EXPECT_EQ(settingsPosts, 2);
}
