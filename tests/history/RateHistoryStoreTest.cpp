#include "FXHttpFetcher.h"
#include "FXRateHistoryStore.h"
#include "LoopbackHttpServer.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

const QDate Today(2014, 6, 13);

// A store downloading from a loopback rates server through the real fetcher, on 13 June 2014.
class RateHistoryStore : public TemporaryHomeTest {
protected:
    RateHistoryStore() { store.setToday([] { return Today; }); }

    // Downloads and waits for the end; what `done` was given, or "not called".
    QString download(const QStringList &currencies, QDate from, QDate to)
    {
        std::optional<QString> failure;
        QObject context;
        store.download(currencies, from, to, &context, [&](const QString &reason) { failure = reason; });
        EXPECT_FALSE(failure) << "called at once";
        runUntil([&] { return failure.has_value(); }, std::chrono::seconds(20));
        return failure.value_or(QStringLiteral("not called"));
    }

    // The request lines' paths and queries, without the method and version.
    QStringList requested() const
    {
        QStringList targets;
        for (const QByteArray &head : server.requests())
            targets.append(QString::fromLatin1(head.split(' ').value(1)));
        return targets;
    }

    LoopbackHttpServer server;
    FXHttpFetcher fetcher;
    FXRateHistoryDatabase database;
    FXRateHistoryStore store{database, fetcher, [this] { return server.url().toString(); }};
};

}

TEST_F(RateHistoryStore, KeepsWhatTheServerAnswersAndAsksOnlyForWhatWasNeverDownloaded)
{
    server.setResponse(
        {200, contents(QStringLiteral(CAMBIO_HISTORY_DATA "/history-EUR-JPY-LTL-HRK-2014.json"))});
    EXPECT_EQ(download(codes("EUR JPY LTL HRK USD"), QDate(2014, 3, 1), QDate(2014, 12, 31)), QString());
    EXPECT_EQ(requested(),
              codes("/lab/lumenfold/history.php?currency=EUR,JPY,LTL,HRK&from=2014-03-01&to=2014-06-13"));

    const auto kept = store.series(codes("EUR JPY LTL HRK USD"), QDate(2014, 4, 17), QDate(2014, 4, 22));
    // Good Friday and Easter Monday have no rates; the kuna joins on 15 May.
    EXPECT_EQ(kept.value(QStringLiteral("EUR")),
              (FXRateSeries{{QDate(2014, 4, 17), 0.721761}, {QDate(2014, 4, 22), 0.723746}}));
    EXPECT_EQ(kept.value(QStringLiteral("USD")),
              (FXRateSeries{{QDate(2014, 4, 17), 1.0}, {QDate(2014, 4, 22), 1.0}}));
    EXPECT_TRUE(kept.value(QStringLiteral("HRK")).isEmpty());
    EXPECT_EQ(store.series(codes("LTL"), QDate(2014, 5, 30), Today).value(QStringLiteral("LTL")).size(), 1);

    // Only days never downloaded are asked for, and today, which may still get its rates.
    EXPECT_EQ(download(codes("JPY GBP"), QDate(2014, 5, 1), QDate(2014, 6, 30)), QString());
    EXPECT_EQ(download(codes("EUR"), QDate(2014, 3, 1), QDate(2014, 6, 13)), QString());
    EXPECT_EQ(requested().mid(1),
              codes("/lab/lumenfold/history.php?currency=JPY,GBP&from=2014-05-01&to=2014-06-13 "
                    "/lab/lumenfold/history.php?currency=EUR&from=2014-06-13&to=2014-06-13"));
}

TEST_F(RateHistoryStore, AsksForTenYearsAtMostAtATime)
{
    server.setResponse({200, contents(QStringLiteral(CAMBIO_HISTORY_DATA "/history-EUR-2014.json"))});
    EXPECT_EQ(download(codes("EUR"), QDate(1999, 1, 4), QDate(2014, 6, 12)), QString());
    EXPECT_EQ(requested(), codes("/lab/lumenfold/history.php?currency=EUR&from=1999-01-04&to=2009-01-03 "
                                 "/lab/lumenfold/history.php?currency=EUR&from=2009-01-04&to=2014-06-12"));
    EXPECT_EQ(store.series(codes("EUR"), QDate(1999, 1, 1), Today).value(QStringLiteral("EUR")).size(), 61);
}

TEST_F(RateHistoryStore, AnswersLaterWithoutAskingForARangeAfterToday)
{
    EXPECT_EQ(download(codes("EUR"), QDate(2014, 7, 1), QDate(2014, 8, 1)), QString());
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(RateHistoryStore, AFailedDownloadSaysWhyKeepsWhatWasKeptAndAsksAgainNextTime)
{
    const struct { const char *name; LoopbackResponse response; const char *reason; } failures[] = {
        {"unknown currency", {404, R"({"error":"unknown currency: EUR"})"}, "HTTP 404"},
        {"not JSON", {200, "<html>later</html>"}, "the answer is not JSON: illegal value"}};
    ASSERT_EQ(database.keepDay(QDate(2014, 6, 2), {{QStringLiteral("EUR"), 0.5}}), QString());
    for (const auto &failed : failures) {
        server.setResponse(failed.response);
        EXPECT_EQ(download(codes("EUR"), QDate(2014, 6, 1), QDate(2014, 6, 12)),
                  u"cannot download the rate history from " + server.url().toString() + u": "
                      + QString::fromUtf8(failed.reason));
        EXPECT_EQ(store.series(codes("EUR"), QDate(2014, 6, 1), Today).value(QStringLiteral("EUR")),
                  (FXRateSeries{{QDate(2014, 6, 2), 0.5}})) << failed.name;
        EXPECT_EQ(database.missingRanges(QStringLiteral("EUR"), {QDate(2014, 6, 1), QDate(2014, 6, 12)}),
                  (QList<FXDayRange>{{QDate(2014, 6, 1), QDate(2014, 6, 12)}})) << failed.name;
    }
}
