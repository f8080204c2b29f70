#include "FXCurrencyManager.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"
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
const QDateTime StoredDate(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC);

// A currency manager over a planted rates file holding only CHF, refreshing from a loopback server.
class RatesRefresh : public TemporaryHomeTest {
protected:
    QString ratesPath() const { return home.dataHome() + QStringLiteral("/CurrencyRates.plist"); }

    LoopbackHttpServer server;
    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    FXUserDefaults defaults{home.configHome() + QStringLiteral("/group.conf")};
    FXRatesFile file{ratesPath()};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    FXRatesDownloader downloader{300ms, 4096};
    FXCurrencyManager currencies{table, file, settings, locale, [] { return std::nullopt; },
                                 downloader, [this] { return server.url(); }, center};
    QList<bool> updatingWhenAnnounced;

    void SetUp() override
    {
        QDir().mkpath(home.dataHome());
        ASSERT_TRUE(file.write(FXRatesDocument::fromServerResponse(
            R"({"CHF": {"from_base": 0.8, "to_base": 1.25}})", StoredDate)->propertyList()));
        center.addObserver(this, FXRatesDidUpdateNotification, [this](const FXNotification &) {
            updatingWhenAnnounced.append(currencies.isUpdating());
        }, &currencies);
    }

    bool waitForAnnouncements(int count)
    {
        const QDeadlineTimer deadline(5s);
        while (updatingWhenAnnounced.size() < count && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return updatingWhenAnnounced.size() == count;
    }
};

class RatesRefreshFailure
    : public RatesRefresh,
      public ::testing::WithParamInterface<std::optional<LoopbackResponse>> {};

}

TEST_F(RatesRefresh, ReplacesTheTableAndTheFileAndAnnouncesTheEnd)
{
    server.setResponse({200, NewRates});
    const QDateTime now = QDateTime::currentDateTimeUtc();
    currencies.setClock([now] { return now; });

    currencies.updateCurrencyRates();
    ASSERT_TRUE(waitForAnnouncements(1));
    EXPECT_EQ(updatingWhenAnnounced, QList<bool>{false});
    EXPECT_EQ(currencies.allCurrencies(), (QStringList{u"EUR"_qs, u"GBP"_qs}));
    EXPECT_EQ(currencies.lastUpdateDate(), now);
    const FXRatesDocument stored(file.read().value_or(QVariantMap()));
    EXPECT_EQ(stored.rate(QStringLiteral("GBP")).toBase, 4.0);
    EXPECT_EQ(stored.date().toSecsSinceEpoch(), now.toSecsSinceEpoch());
}

TEST_P(RatesRefreshFailure, ChangesNothingButIsAnnounced)
{
    if (GetParam())
        server.setResponse(*GetParam());
    else
        defaults.setObject(LoopbackHttpServer::refusingUrl().toString(),
                           QStringLiteral("RatesServerURL"));
    const auto storedBytes = [this] {
        QFile stored(ratesPath());
        return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
    };
    const QByteArray before = storedBytes();

    currencies.updateCurrencyRates();
    ASSERT_TRUE(waitForAnnouncements(1));
    EXPECT_EQ(updatingWhenAnnounced, QList<bool>{false});
    EXPECT_EQ(currencies.allCurrencies(), QStringList{u"CHF"_qs});
    EXPECT_FALSE(currencies.lastUpdateDate());
    EXPECT_EQ(storedBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Answers, RatesRefreshFailure, ::testing::Values(
    std::nullopt,   // the connection is refused
    LoopbackResponse{500, NewRates},
    LoopbackResponse{200, "<html>maintenance</html>"},
    LoopbackResponse{200, "[1, 2, 3]"},
    LoopbackResponse{200, "{}"},
    LoopbackResponse{200, R"({"EUR": {"from_base": 0, "to_base": 2}, "X": 1})"},   // no usable rate
    LoopbackResponse{.stalls = true},
    LoopbackResponse{200, QByteArray(8192, ' ') + NewRates},   // past the size limit
    LoopbackResponse{200, NewRates, true, 20}));               // cut short

TEST_F(RatesRefresh, AFailedWriteStillReplacesTheTableButSaysSo)
{
    // A container path below a plain file, here the planted rates file, can never be written.
    FXRatesFile blocked(ratesPath() + QStringLiteral("/CurrencyRates.plist"));
    FXRatesTable blockedTable(blocked, locale);
    FXCurrencyManager manager(blockedTable, blocked, settings, locale, [] { return std::nullopt; },
                              downloader, [this] { return server.url(); }, center);
    server.setResponse({200, NewRates});

    const FXRefreshOutcome outcome = manager.refreshRates();
    EXPECT_TRUE(outcome.replaced);
    EXPECT_FALSE(outcome.failure.isEmpty());
    EXPECT_EQ(manager.allCurrencies(), (QStringList{u"EUR"_qs, u"GBP"_qs}));
}

TEST_F(RatesRefresh, OverlappingRefreshesKeepUpdatingUntilTheLastEnds)
{
    server.setResponse({200, NewRates});
    currencies.updateCurrencyRates();
    currencies.updateCurrencyRates();
    ASSERT_TRUE(waitForAnnouncements(2));
    EXPECT_EQ(updatingWhenAnnounced, (QList<bool>{true, false}));
}

TEST_F(RatesRefresh, TheDateShowsATimeUpToHalfADayAndADateAfter)
{
    const auto shownAt = [&](qint64 secondsLater) {
        currencies.setClock([=] { return StoredDate.addSecs(secondsLater); });
        return currencies.humanReadableUpdateDate();
    };
    // en_US writes a short date with slashes ("9/29/26") and a short time without them.
    EXPECT_FALSE(shownAt(60).contains(u'/'));
    EXPECT_FALSE(shownAt(12 * 60 * 60).contains(u'/'));
    EXPECT_TRUE(shownAt(12 * 60 * 60 + 1).contains(u'/'));
    EXPECT_FALSE(shownAt(-3600).contains(u'/'));   // a clock behind the stored date
}
