#include "FXSharedFilesWatcher.h"

#include "FXCurrencyManager.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXHttpRatesDownloader.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QVariantMap ratesDocument(double eurFromBase)
{
    const auto rate = [](double fromBase) {
        return QVariantMap{{QStringLiteral("from_base"), fromBase},
                           {QStringLiteral("to_base"), 1 / fromBase}};
    };
    return {{QStringLiteral("CurrencyRates"),
             QVariantMap{{QStringLiteral("USD"), rate(1)}, {QStringLiteral("EUR"), rate(eurFromBase)}}}};
}

// The objects of one process over shared files, and what they announce.
class SharedFilesWatcher : public TemporaryHomeTest {
protected:
    QString ratesPath() const { return home.dataHome() + QStringLiteral("/CurrencyRates.plist"); }
    QString settingsPath() const { return home.configHome() + QStringLiteral("/group.conf"); }

    void SetUp() override
    {
        QDir().mkpath(home.dataHome());
        ASSERT_TRUE(file.write(ratesDocument(0.5)));
        ASSERT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.5);
        watcher.emplace(table, file, currencies, settings, center);
        center.addObserver(this, FXRatesDidUpdateNotification,
                           [this](const FXNotification &) { ++ratesPosts; }, &currencies);
        center.addObserver(this, FXSettingsDidChangeNotification,
                           [this](const FXNotification &) { ++settingsPosts; }, &settings);
    }

    // Runs the main queue for as long as it takes `done`, or the time it takes a change to show.
    static bool runUntil(const std::function<bool()> &done, std::chrono::milliseconds timeout = 5s)
    {
        const QDeadlineTimer deadline(timeout);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    FXUserDefaults defaults{settingsPath()};
    FXRatesFile file{ratesPath()};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    FXHttpRatesDownloader downloader;
    FXCurrencyManager currencies{table, file, settings, locale, [] { return std::nullopt; },
                                 downloader, [] { return QUrl(); }, center};
    std::optional<FXSharedFilesWatcher> watcher;
    int ratesPosts = 0;
    int settingsPosts = 0;
};

}

TEST_F(SharedFilesWatcher, AnnouncesWhatAnotherProcessChanged)
{
    FXRatesFile othersFile(ratesPath());
    ASSERT_TRUE(othersFile.write(ratesDocument(0.25)));
    ASSERT_TRUE(runUntil([&] { return ratesPosts == 1; }));
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("EUR")), 0.25);

    FXUserDefaults othersDefaults(settingsPath());
    ASSERT_TRUE(othersDefaults.setObject(QStringList{QStringLiteral("CHF")},
                                         QStringLiteral("VisibleCurrencies")).isDone());
    ASSERT_TRUE(runUntil([&] { return settingsPosts == 1; }));
    EXPECT_EQ(settings.visibleCurrencies(), QStringList{QStringLiteral("CHF")});
    EXPECT_EQ(ratesPosts, 1);
}

TEST_F(SharedFilesWatcher, OwnChangesAreAnnouncedOnlyWhereTheyAreMade)
{
    ASSERT_TRUE(file.write(ratesDocument(0.2)));
    ASSERT_TRUE(settings.addCurrencyToVisible(QStringLiteral("CHF")).isDone());
    EXPECT_FALSE(runUntil([&] { return ratesPosts > 0 || settingsPosts > 1; }, 500ms));
    EXPECT_EQ(settingsPosts, 1);
}
