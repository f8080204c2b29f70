#include "FXCurrencyManager.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXPropertyList.h"
#include "FXRatesDownloader.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "TemporaryHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QByteArray NewRates =
    R"({"EUR": {"from_base": 0.5, "to_base": 2.0}, "GBP": {"from_base": 0.25, "to_base": 4.0}})";

// A currency manager over a planted rates file, refreshing from a loopback server.
class RatesRefresh : public TemporaryHomeTest {
protected:
    QString ratesPath() const { return home.dataHome() + QStringLiteral("/CurrencyRates.plist"); }

    LoopbackHttpServer server;
    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    FXUserDefaults defaults{home.configHome() + QStringLiteral("/group.conf")};
    std::unique_ptr<FXRatesFile> file;
    std::unique_ptr<FXRatesTable> table;
    std::unique_ptr<FXSettingsManager> settings;
    FXRatesDownloader downloader{300ms, 4096};
    std::unique_ptr<FXCurrencyManager> currencies;
    int announcements = 0;

    void SetUp() override
    {
        QDir().mkpath(home.dataHome());
        build(ratesPath());
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(
            {{QStringLiteral("CurrencyRates"),
              QVariantMap{{QStringLiteral("CHF"), QVariantMap{{QStringLiteral("from_base"), 0.8},
                                                              {QStringLiteral("to_base"), 1.25}}}}},
             {QStringLiteral("Date"), QDateTime(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC)}},
            ratesPath()));
        defaults.setObject(server.url().toString(), QStringLiteral("RatesServerURL"));
    }

    void build(const QString &path)
    {
        currencies.reset();
        file = std::make_unique<FXRatesFile>(path);
        table = std::make_unique<FXRatesTable>(*file, locale);
        settings = std::make_unique<FXSettingsManager>(defaults, *table, center);
        currencies = std::make_unique<FXCurrencyManager>(*table, *file, *settings, locale,
                                                         [] { return std::nullopt; }, downloader,
                                                         center);
        currencies->setRefreshPause(0);
        center.addObserver(this, FXRatesDidUpdateNotification, [this](const FXNotification &n) {
            EXPECT_EQ(n.object, currencies.get());
            ++announcements;
        });
    }

    QByteArray storedBytes() const
    {
        QFile stored(ratesPath());
        return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
    }

    // Runs the main queue until `count` refreshes have been announced.
    bool waitForAnnouncements(int count)
    {
        const QDeadlineTimer deadline(5s);
        while (announcements < count && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return announcements == count;
    }
};

struct FailedRefresh {
    const char *name;
    LoopbackResponse response;
};

class RatesRefreshFailure : public RatesRefresh,
                            public ::testing::WithParamInterface<FailedRefresh> {};

}

TEST_F(RatesRefresh, ReplacesTheTableAndTheFileAndAnnouncesTheEnd)
{
    server.setResponse({200, NewRates});
    const QDateTime now = QDateTime::currentDateTimeUtc();
    currencies->setClock([now] { return now; });

    currencies->updateCurrencyRates();
    EXPECT_TRUE(currencies->isUpdating());
    ASSERT_TRUE(waitForAnnouncements(1));

    EXPECT_FALSE(currencies->isUpdating());
    EXPECT_EQ(currencies->allCurrencies(), (QStringList{u"EUR"_qs, u"GBP"_qs}));
    EXPECT_EQ(currencies->convertedAmount(10, QStringLiteral("EUR"), QStringLiteral("GBP")), 5.0);
    EXPECT_EQ(currencies->lastUpdateDate(), now);
    EXPECT_EQ(server.requests().value(0).split('\r').value(0),
              "GET /lab/lumenfold/update.php HTTP/1.1");

    FXRatesFile reread(ratesPath());
    const auto stored = reread.read();
    ASSERT_TRUE(stored);
    EXPECT_EQ(FXRatesDocument(*stored).rate(QStringLiteral("GBP")).toBase, 4.0);
    EXPECT_EQ(FXRatesDocument(*stored).date().toSecsSinceEpoch(), now.toSecsSinceEpoch());
}

TEST_P(RatesRefreshFailure, ChangesNothingButIsAnnounced)
{
    server.setResponse(GetParam().response);
    const QByteArray before = storedBytes();
    const QString dateBefore = currencies->humanReadableUpdateDate();

    currencies->updateCurrencyRates();
    ASSERT_TRUE(waitForAnnouncements(1));

    EXPECT_FALSE(currencies->isUpdating());
    EXPECT_EQ(currencies->allCurrencies(), QStringList{u"CHF"_qs});
    EXPECT_FALSE(currencies->lastUpdateDate());
    EXPECT_EQ(currencies->humanReadableUpdateDate(), dateBefore);
    EXPECT_EQ(storedBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Answers, RatesRefreshFailure, ::testing::Values(
    FailedRefresh{"ServerError", {500, NewRates}},
    FailedRefresh{"NotJson", {200, "<html>maintenance</html>"}},
    FailedRefresh{"JsonArray", {200, "[1, 2, 3]"}},
    FailedRefresh{"EmptyObject", {200, "{}"}},
    FailedRefresh{"NoUsableRate", {200, R"({"EUR": {"from_base": 0, "to_base": 2}, "X": 1})"}},
    FailedRefresh{"Stalled", {.stalls = true}},
    FailedRefresh{"Oversized", {200, QByteArray(8192, ' ') + NewRates}},
    FailedRefresh{"CutShort", {200, NewRates, true, 20}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RatesRefresh, ARefusedConnectionIsAFailedRefresh)
{
    defaults.setObject(LoopbackHttpServer::refusingUrl().toString(),
                       QStringLiteral("RatesServerURL"));
    const FXRefreshOutcome outcome = currencies->refreshRates();
    EXPECT_FALSE(outcome.replaced);
    EXPECT_FALSE(outcome.failure.isEmpty());
    EXPECT_EQ(currencies->allCurrencies(), QStringList{u"CHF"_qs});
}

TEST_F(RatesRefresh, AFailedWriteStillReplacesTheTableButSaysSo)
{
    // A container path below a plain file can never be written.
    QFile blocker(home.dataHome() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    build(blocker.fileName() + QStringLiteral("/CurrencyRates.plist"));
    server.setResponse({200, NewRates});

    const FXRefreshOutcome outcome = currencies->refreshRates();

    EXPECT_TRUE(outcome.replaced);
    EXPECT_FALSE(outcome.failure.isEmpty());
    EXPECT_EQ(currencies->allCurrencies(), (QStringList{u"EUR"_qs, u"GBP"_qs}));
}

TEST_F(RatesRefresh, OverlappingRefreshesKeepUpdatingUntilTheLastEnds)
{
    server.setResponse({200, NewRates});
    QList<bool> updatingWhenAnnounced;
    center.addObserver(&updatingWhenAnnounced, FXRatesDidUpdateNotification,
                       [&](const FXNotification &) {
                           updatingWhenAnnounced.append(currencies->isUpdating());
                       });

    currencies->updateCurrencyRates();
    currencies->updateCurrencyRates();
    ASSERT_TRUE(waitForAnnouncements(2));

    EXPECT_EQ(updatingWhenAnnounced, (QList<bool>{true, false}));
}

TEST_F(RatesRefresh, TheDateShowsATimeTodayAndADateWhenOlderThanHalfADay)
{
    const QDateTime stored(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC);
    const auto shownAt = [&](qint64 secondsLater) {
        currencies->setClock([=] { return stored.addSecs(secondsLater); });
        return currencies->humanReadableUpdateDate();
    };
    // en_US writes a short date with slashes ("9/29/26") and a short time without them.
    EXPECT_FALSE(shownAt(60).contains(u'/'));
    EXPECT_FALSE(shownAt(12 * 60 * 60).contains(u'/'));
    EXPECT_TRUE(shownAt(12 * 60 * 60 + 1).contains(u'/'));
    EXPECT_FALSE(shownAt(-3600).contains(u'/'));

    locale.setIdentifier(QStringLiteral("de_DE"));
    EXPECT_TRUE(shownAt(2 * 24 * 60 * 60).contains(u'.'));
}
