#include "RatesServiceSupport.h"

#include "TestData.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

FXRate rateOf(const FXRatesService &service, const char *code)
{
    return service.table()->rates.value(QString::fromLatin1(code));
}

QJsonObject sourceHealth(const FXRatesService &service, const char *name)
{
    return service.health().value(u"sources").toObject().value(QLatin1StringView(name)).toObject();
}

}

// The API's Sunday data is newer than the bank's of Friday, and of the same moment as the base
// table's, to which it is preferred. The currency API is asked at its fallback address when the
// first one fails.
TEST_F(RatesServiceTest, ServesTheNewestDataOfEachCurrency)
{
    writeFile(basePath, contents(basePath), utc(2026, 12, 6));
    FXServiceSettings fallback = settings();
    fallback.apiUrls.prepend(LoopbackHttpServer::refusingUrl());
    const auto service = startedService(fallback);
    EXPECT_TRUE(logContains(QStringLiteral("connection refused; trying 127.0.0.1")));
    EXPECT_EQ(rateOf(*service, "EUR"), FXRates::fromBase(0.9301));     // the API's, not the bank's
    EXPECT_NEAR(rateOf(*service, "CZK").fromBase, 25.012 / 1.0867, 1e-12);   // the bank's alone
    EXPECT_EQ(rateOf(*service, "BTC"), FXRates::fromBase(0.0000105));   // the API's, not the base's
    EXPECT_EQ(rateOf(*service, "XAG"), (FXRate{0.03, 33.33}));       // the base's alone
    EXPECT_EQ(service->table()->date, utc(2026, 12, 6));
    EXPECT_FALSE(service->stalenessReason());
}

// The bank's Friday data is newer than the API's of Friday 00:00.
TEST_F(RatesServiceTest, OlderDataGivesWayToNewer)
{
    api.setResponse({200, apiDay(QDate(2026, 12, 4), R"("eur": 0.93, "jpy": 151, "aed": 3.67)")});
    const auto service = startedService(settings());
    EXPECT_NEAR(rateOf(*service, "EUR").toBase, 1.0867, 1e-12);
    EXPECT_EQ(service->table()->date, utc(2026, 12, 4, 15));
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
    FXServiceSettings quick = ecbOnly();
    quick.fetchTimeout = std::chrono::milliseconds(300);
    const auto service = startedService(quick);
    const QByteArray before = service->table()->json;
    const QDateTime success = clock.now();

    ecb.setResponse(GetParam().response);
    const QDateTime nextFetch = service->nextFetch();
    advance(*service, nextFetch);

    EXPECT_EQ(service->table()->json, before);
    const QJsonObject state = sourceHealth(*service, "ecb");
    const QString error = state[u"lastError"].toString();
    EXPECT_TRUE(error.contains(QString::fromLatin1(GetParam().reason))) << error.toStdString();
    EXPECT_TRUE(logContains(QStringLiteral("ecb: ") + error)) << log.join(u'\n').toStdString();
    EXPECT_EQ(state[u"lastSuccess"].toString(), success.toString(Qt::ISODate));
    EXPECT_EQ(state[u"nextFetch"].toString(), nextFetch.addSecs(30).toString(Qt::ISODate));
}

INSTANTIATE_TEST_SUITE_P(Answers, UnusableAnswer, ::testing::Values(
    BadAnswer{"Empty", {200, ""}, "not XML"},
    BadAnswer{"Stalls", {200, {}, true, {}, true}, "timed out after 0.3 s"},
    BadAnswer{"FromTheFuture", {200, ecbDay(QDate(2099, 1, 2), "<Cube currency='USD' rate='1.1'/>")},
              "data dated 2099-01-02T15:00:00Z, in the future"},
    BadAnswer{"GzipBomb", {200, fixture("gzip-bomb.gz"), true, {}, false, "Content-Encoding: gzip\r\n"},
              "the answer's compression is damaged or would inflate beyond any limit"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RatesServiceTest, RetriesWithBackOffThenFollowsThePublicationsDroppingWhatAnAnswerLacks)
{
    ecb.setResponse({500, {}});
    const auto service = startedService(ecbOnly());
    // Attempts at 12:00:00, then 30 s, 1 min, 2 min and 4 min apart: the fifth at 12:07:30.
    advance(*service, utc(2026, 12, 6, 12, 8));
    EXPECT_EQ(ecb.requests().size(), 5);

    ecb.setResponse({200, fixture("eurofxref-daily.xml")});
    advance(*service, utc(2026, 12, 6, 12, 16));   // the sixth attempt, at 12:15:30
    EXPECT_EQ(ecb.requests().size(), 6);
    // Friday's publication is the latest on a Sunday: the next is Monday's, 16:10 in Frankfurt.
    EXPECT_EQ(service->nextFetch(), utc(2026, 12, 7, 15, 10));
    advance(*service, utc(2026, 12, 7, 15, 9));
    EXPECT_EQ(ecb.requests().size(), 6);

    // A currency that Monday's answer lacks is no longer served: no source carries it.
    ecb.setResponse({200, ecbDay(QDate(2026, 12, 7), "<Cube currency='USD' rate='1.25'/><Cube currency='JPY' rate='150'/>")});
    advance(*service, utc(2026, 12, 7, 16));
    EXPECT_EQ(rateOf(*service, "JPY"), FXRates::fromBase(120.0));
    EXPECT_EQ(service->table()->rates.keys(), codes("BTC EUR JPY USD XAG"));
}

// Thursday 2027-03-25 to Tuesday 2027-03-30 without a publication, and Tuesday's coming so late
// that it is fetched on Wednesday: the default maximum age keeps the table current throughout,
// and a week after the last publication it is stale to the millisecond.
TEST_F(RatesServiceTest, TheBanksEasterClosingNeverMakesTheTableStale)
{
    FXServiceSettings easter = ecbOnly();
    easter.maximumAge = FXServiceSettings::defaultMaximumAge;
    const QByteArray thursday = ecbDay(QDate(2027, 3, 25), "<Cube currency='USD' rate='1.08'/>");
    ecb.setResponse({200, thursday});
    clock.advanceTo(utc(2027, 3, 25, 15, 10));
    const auto service = startedService(easter);
    EXPECT_EQ(service->table()->date, utc(2027, 3, 25, 15));

    const QDateTime wednesday = utc(2027, 3, 31, 14, 9);   // 16:09 in Frankfurt
    for (QDateTime hour = clock.now(); hour < wednesday; hour = hour.addSecs(3600)) {
        advance(*service, hour);
        ASSERT_FALSE(service->stalenessReason()) << hour.toString(Qt::ISODate).toStdString();
    }
    ecb.setResponse({200, ecbDay(QDate(2027, 3, 31), "<Cube currency='USD' rate='1.09'/>")});
    advance(*service, wednesday.addSecs(120));
    EXPECT_EQ(service->table()->date, utc(2027, 3, 31, 14));

    // A mirror's older answer does not take the place of newer data.
    ecb.setResponse({200, thursday});
    const QDateTime aWeekOn = utc(2027, 4, 7, 14);
    advance(*service, aWeekOn);
    EXPECT_EQ(service->table()->date, utc(2027, 3, 31, 14));
    EXPECT_FALSE(service->stalenessReason());
    clock.advanceTo(aWeekOn.addMSecs(1));
    EXPECT_EQ(service->stalenessReason().value_or(QString()).toStdString(),
              "the newest rates date from 2027-03-31T14:00:00Z, more than 7 days ago; "
              "a rates source last answered at 2027-04-06T16:10:00Z");
}

// Old data that sources still answer with is not current, whatever the moment of the answer:
// the genuine bank file of 2025-05-09 with the API's of 2021, or a bank day of 1999; without live
// sources the base table ages from its own date.
TEST_F(RatesServiceTest, OldDataIsNotCurrent)
{
    ecb.setResponse({200, realRates("ecb-daily-xpt-nl-ecb-2025-05-09.xml")});
    api.setResponse({200, realRates("api-old-vilmosnagy-usd-2021-08-03.json")});
    auto service = startedService(settings());
    EXPECT_EQ(service->stalenessReason(),
              QStringLiteral("the newest rates date from 2026-11-06T12:00:00Z, more than 7 days ago; "
                             "a rates source last answered at 2026-12-06T12:00:00Z"));
    // The base table's 2026 rates win over the API's of 2021, which alone gives AED.
    EXPECT_EQ(rateOf(*service, "JPY"), (FXRate{100, 0.01}));
    EXPECT_EQ(rateOf(*service, "AED"), FXRates::fromBase(3.6732));
    EXPECT_EQ(service->table()->date, utc(2026, 11, 6, 12));

    service.reset();
    FXServiceSettings seedOnly = ecbOnly();
    seedOnly.baseFile.clear();
    ecb.setResponse({200, ecbDay(QDate(1999, 1, 4), "<Cube currency='USD' rate='1.1789'/>")});
    service = startedService(seedOnly);
    EXPECT_TRUE(service->stalenessReason()->startsWith(u"the newest rates date from 2026-09-29"));

    service.reset();
    FXServiceSettings baseOnly = apiOnly();
    baseOnly.apiUrls.clear();
    baseOnly.maximumAge = std::chrono::seconds(31 * 86400);
    service = startedService(baseOnly);
    EXPECT_FALSE(service->stalenessReason());
    clock.advanceTo(utc(2026, 12, 7, 12, 1));
    EXPECT_EQ(service->stalenessReason(), QStringLiteral("the newest rates date from 2026-11-06T12:00:00Z, more "
                                                         "than 31 days ago; no live rates source is configured"));
}

// A state saved ahead of the clock (the clock was set back since) is not taken back, and codes
// that are no currency, saved by an earlier version, are not served again. A state that cannot be
// read is shown. What a write killed midway leaves is removed once it is a minute old; a younger
// one may be a write under way (of --once, or of a second server).
TEST_F(RatesServiceTest, TheSavedStateIsTakenBackOnlyWhereItCanBeTrusted)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    writeFile(statePath(QStringLiteral("state.json.aB3dE9")), "{\"sour", now.addSecs(-61));
    writeFile(statePath(QStringLiteral("state.json.Zx81Qa")), "{\"sour", now.addSecs(-30));
    writeFile(statePath(), R"({"sources": {
        "ecb": {"rates": {"CHF": {"from_base": 0.8, "to_base": 1.25}}, "dataDate": "2099-01-01T00:00:00Z",
                "lastSuccess": "2099-01-01T00:00:00Z"},
        "api": {"rates": {"XTS": {"from_base": 2, "to_base": 0.5}, "ZZZ": {"from_base": 2, "to_base": 0.5},
                          "AED": {"from_base": 3.67, "to_base": 0.2725}},
                "dataDate": "2026-12-05T00:00:00Z", "lastSuccess": "2026-12-05T01:00:00Z"}}})");
    ecb.setResponse({500, {}});
    api.setResponse({500, {}});
    const auto service = startedService(settings());
    EXPECT_TRUE(logContains(QStringLiteral("state: ecb's saved dates are ahead of the clock; not used")));
    EXPECT_EQ(service->table()->rates.keys(), codes("AED BTC EUR JPY USD XAG"));
    EXPECT_EQ(service->table()->date, utc(2026, 12, 5));
    EXPECT_EQ(QDir(statePath({})).entryList({QStringLiteral("state.json.*")}, QDir::Files),
              QStringList{QStringLiteral("state.json.Zx81Qa")});

    writeFile(statePath(), "[]");
    EXPECT_EQ(makeService(settings())->health().value(u"state").toObject().value(u"lastError").toString(),
              statePath() + QStringLiteral(": not a state file: a JSON array, not an object; starting without it"));
}

// The API's XAG of 0.842 (its real error of 2021) against its own 0.03 of the day before: held and
// named in /healthz, then served once the API has repeated it on three data days. The history
// leaves it out while it is held: the rate served in its place was another day's.
TEST_F(RatesServiceTest, AnImplausibleRateIsHeldUntilRepeatedOnThreeDataDays)
{
    const auto answer = [&](int day, const char *silver) {
        api.setResponse({200, apiDay(QDate(2026, 12, day), R"("eur": 0.93, "xag": )" + QByteArray(silver))});
    };
    answer(5, "0.03");
    const auto service = startedService(apiOnly());
    answer(6, "0.842");
    advance(*service, utc(2026, 12, 7, 12, 1));
    EXPECT_EQ(rateOf(*service, "XAG"), FXRates::fromBase(0.03));
    EXPECT_EQ(sourceHealth(*service, "api").value(u"held").toObject(),
              QJsonDocument::fromJson(R"({"XAG": {"given": 0.842, "served": 0.03, "firstSeen": "2026-12-06",
                                                  "days": 1}})").object());
    EXPECT_TRUE(logContains(QStringLiteral("api: XAG at 0.842 held back")));

    answer(7, "0.842");
    advance(*service, utc(2026, 12, 8, 12, 1));
    EXPECT_EQ(rateOf(*service, "XAG"), FXRates::fromBase(0.03));
    // The count outlives a restart, which socket activation brings every idle hour.
    EXPECT_EQ(sourceHealth(*makeService(apiOnly()), "api").value(u"held").toObject().value(u"XAG")
                  .toObject().value(u"days").toInt(), 2);
    answer(8, "0.842");
    advance(*service, utc(2026, 12, 9, 12, 1));
    EXPECT_EQ(rateOf(*service, "XAG"), FXRates::fromBase(0.842));
    EXPECT_TRUE(sourceHealth(*service, "api").value(u"held").toObject().isEmpty());
    const auto silver = service->history().series(QStringLiteral("XAG"), QDate(2026, 12, 1), QDate(2026, 12, 31));
    EXPECT_EQ(silver, (FXServedRateSeries{{QDate(2026, 12, 5), 0.03}, {QDate(2026, 12, 8), 0.842}}));
}

// A write that fails past its first bytes, as on a full disk, keeps the previous state file and
// says so in the log and in /healthz until a write succeeds again. A restart serves the saved
// table at once, even with no source answering.
TEST_F(RatesServiceTest, AFailedStateWriteKeepsThePreviousFileAndARestartServesIt)
{
    const auto service = startedService(settings());
    const QByteArray saved = contents(statePath());
    ASSERT_GT(saved.size(), 1000);

    api.setResponse({200, apiDay(QDate(2026, 12, 7), R"("eur": 0.93, "jpy": 151, "aed": 3.67)")});
    {
        const FileSizeLimit limit(512);
        advance(*service, utc(2026, 12, 7, 12, 1));
    }
    EXPECT_EQ(contents(statePath()), saved);
    EXPECT_EQ(QDir(statePath({})).entryList({QStringLiteral("state.json*")}, QDir::Files), QStringList{QStringLiteral("state.json")});
    const QJsonObject state = service->health().value(u"state").toObject();
    EXPECT_EQ(state.value(u"lastError").toString().toStdString(),
              QStringLiteral("cannot write %1: File too large; the previous state is kept").arg(statePath()).toStdString());
    EXPECT_EQ(state.value(u"lastErrorAt").toString(), QStringLiteral("2026-12-07T12:00:00Z"));
    EXPECT_TRUE(logContains(QStringLiteral("state: cannot write ")));

    advance(*service, utc(2026, 12, 8, 12, 1));
    EXPECT_NE(contents(statePath()), saved);
    EXPECT_TRUE(service->health().value(u"state").toObject().value(u"lastError").isNull());

    FXServiceSettings unreachable = settings();
    unreachable.ecbUrls = {LoopbackHttpServer::refusingUrl()};
    unreachable.apiUrls = {LoopbackHttpServer::refusingUrl()};
    const auto restarted = makeService(unreachable);
    EXPECT_EQ(restarted->table()->json, service->table()->json);
    EXPECT_FALSE(restarted->stalenessReason());
    restarted->start();
    settle(*restarted);
    EXPECT_EQ(restarted->table()->json, service->table()->json);
}
