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

using SharedFilesWatcher = CurrencyCore;

}

// What another process changed is announced; what this one changed, only where it was made.
TEST_F(SharedFilesWatcher, AnnouncesWhatAnotherProcessChangedAndNothingOfItsOwn)
{
    ASSERT_TRUE(file.write(euroAt(0.5)));
    ASSERT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.5);
    const FXSharedFilesWatcher watcher(table, file, currencies, settings, center);
    int ratesPosts = 0;
    int settingsPosts = 0;
    center.addObserver(&observer, FXRatesDidUpdateNotification, [&](auto &) { ++ratesPosts; },
                       &currencies);
    center.addObserver(&observer, FXSettingsDidChangeNotification, [&](auto &) { ++settingsPosts; },
                       &settings);

    ASSERT_TRUE(FXRatesFile(ratesPath()).write(euroAt(0.25)));
    ASSERT_TRUE(runUntil([&] { return ratesPosts == 1; }));
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.25);
    ASSERT_TRUE(FXUserDefaults(settingsPath()).setObject(codes("CHF"), u"VisibleCurrencies"_qs).isDone());
    ASSERT_TRUE(runUntil([&] { return settingsPosts == 1; }));
    EXPECT_EQ(settings.visibleCurrencies(), codes("CHF"));
    EXPECT_EQ(ratesPosts, 1);

    ASSERT_TRUE(file.write(euroAt(0.2)));
    ASSERT_TRUE(settings.addCurrencyToVisible(QStringLiteral("EUR")).isDone());
    EXPECT_FALSE(runUntil([&] { return ratesPosts > 1 || settingsPosts > 2; }, 500ms));
    EXPECT_EQ(settingsPosts, 2);
}
