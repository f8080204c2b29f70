#include "RatesServiceSupport.h"

#include <QJsonObject>

namespace {

QDateTime utc(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::UTC);
}

FXRatePair rateOf(const FXRatesService &service, const char *code)
{
    return service.table()->rates.value(QString::fromLatin1(code));
}

QJsonObject sourceHealth(const FXRatesService &service, const char *name)
{
    return service.health().value(u"sources").toObject().value(QLatin1StringView(name)).toObject();
}

}

// The currency API is asked at its fallback address when the first one fails.
TEST_F(RatesServiceTest, ServesTheBankOverTheApiOverTheBase)
{
    FXServiceSettings fallback = settings();
    fallback.apiUrls.prepend(LoopbackHttpServer::refusingUrl());
    const auto service = startedService(fallback);
    EXPECT_TRUE(logContains(QStringLiteral("connection refused; trying 127.0.0.1")));
    EXPECT_NEAR(rateOf(*service, "EUR").toBase, 1.0867, 1e-12);     // the bank's, not the API's 0.9301
    EXPECT_EQ(rateOf(*service, "BTC"), FXRates::fromBase(0.0000105));   // the API's, not the base's
    EXPECT_EQ(rateOf(*service, "AED"), FXRates::fromBase(3.6725));      // the API's alone
    EXPECT_EQ(rateOf(*service, "XAG"), (FXRatePair{0.03, 33.3}));       // the base's alone
    EXPECT_EQ(service->table()->date, utc(12, 6, 0));                   // the API's day is the newest
    EXPECT_FALSE(service->stalenessReason());
}

struct BadAnswer {
    const char *name;
    LoopbackResponse response;
    const char *reason;
};

void PrintTo(const BadAnswer &answer, std::ostream *out) { *out << answer.name; }

class UnusableAnswer : public RatesServiceTest, public ::testing::WithParamInterface<BadAnswer> {};

TEST_P(UnusableAnswer, ChangesNothingAndIsLoggedAndRetried)
{
    FXServiceSettings ecbOnly = settings();
    ecbOnly.apiUrls.clear();
    ecbOnly.fetchTimeout = std::chrono::milliseconds(300);
    const auto service = startedService(ecbOnly);
    const QByteArray before = service->table()->json;
    const QDateTime success = clock.now();

    ecb.setResponse(GetParam().response);
    const QDateTime nextFetch = service->nextFetch();
    advance(*service, nextFetch);

    const QString reason = QString::fromLatin1(GetParam().reason);
    EXPECT_EQ(service->table()->json, before);
    EXPECT_TRUE(logContains(QStringLiteral("ecb: ") + reason)) << log.join(u'\n').toStdString();
    const QJsonObject state = sourceHealth(*service, "ecb");
    EXPECT_TRUE(state[u"lastError"].toString().startsWith(reason));
    EXPECT_EQ(state[u"lastSuccess"].toString(), success.toString(Qt::ISODate));
    EXPECT_EQ(state[u"nextFetch"].toString(), nextFetch.addSecs(30).toString(Qt::ISODate));
}

INSTANTIATE_TEST_SUITE_P(Answers, UnusableAnswer, ::testing::Values(
    BadAnswer{"Empty", {200, ""}, "not XML"},
    BadAnswer{"Truncated", {200, fixture("eurofxref-daily.xml"), true, 400}, "connection closed before the whole answer arrived"},
    BadAnswer{"Stalls", {200, {}, true, {}, true}, "timed out after 0.3 s"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RatesServiceTest, RetriesWithBackOffThenFollowsThePublicationsKeepingWhatAnAnswerLacks)
{
    FXServiceSettings ecbOnly = settings();
    ecbOnly.apiUrls.clear();
    ecb.setResponse({500, {}});
    const auto service = startedService(ecbOnly);
    // Attempts at 12:00:00, then 30 s, 1 min, 2 min and 4 min apart: the fifth at 12:07:30.
    advance(*service, utc(12, 6, 12, 8));
    EXPECT_EQ(ecb.requests().size(), 5);

    ecb.setResponse({200, fixture("eurofxref-daily.xml")});
    advance(*service, utc(12, 6, 12, 16));   // the sixth attempt, at 12:15:30
    EXPECT_EQ(ecb.requests().size(), 6);
    // Friday's publication is the latest on a Sunday: the next is Monday's, 16:10 in Frankfurt.
    EXPECT_EQ(service->nextFetch(), utc(12, 7, 15, 10));
    advance(*service, utc(12, 7, 15, 9));
    EXPECT_EQ(ecb.requests().size(), 6);

    // A currency that Monday's answer lacks keeps its last rate.
    const FXRatePair gbp = rateOf(*service, "GBP");
    ecb.setResponse({200, "<Cube><Cube time='2026-12-07'><Cube currency='USD' rate='1.25'/>"
                          "<Cube currency='JPY' rate='150'/></Cube></Cube>"});
    advance(*service, utc(12, 7, 16));
    EXPECT_EQ(rateOf(*service, "JPY"), FXRates::fromBase(120.0));
    EXPECT_EQ(rateOf(*service, "GBP"), gbp);
    EXPECT_EQ(service->table()->rates.size(), 17);   // the bank's fifteen, the base's BTC and XAG
}

TEST_F(RatesServiceTest, WithoutLiveSourcesTheBaseTableAgesFromItsOwnDate)
{
    FXServiceSettings baseOnly = settings();
    baseOnly.ecbUrls.clear();
    baseOnly.apiUrls.clear();
    baseOnly.maximumAge = std::chrono::seconds(31 * 86400);
    const auto service = startedService(baseOnly);
    EXPECT_FALSE(service->stalenessReason());
    clock.advanceTo(utc(12, 7, 12, 1));
    EXPECT_TRUE(service->stalenessReason()->startsWith(
        QStringLiteral("no live rates source is configured and the base table dates from 2026-11-06")));
}

TEST_F(RatesServiceTest, ARestartServesTheSavedTableAtOnce)
{
    QByteArray served;
    {
        const auto service = startedService(settings());
        served = service->table()->json;
    }
    clock.advanceTo(clock.now().addSecs(3600));
    FXServiceSettings unreachable = settings();
    unreachable.ecbUrls = {LoopbackHttpServer::refusingUrl()};
    unreachable.apiUrls = {LoopbackHttpServer::refusingUrl()};
    const auto restarted = makeService(unreachable);
    EXPECT_EQ(restarted->table()->json, served);
    EXPECT_FALSE(restarted->stalenessReason());

    restarted->start();
    settle(*restarted);
    EXPECT_EQ(restarted->table()->json, served);
}
