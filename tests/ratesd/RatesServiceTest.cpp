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

// Friday's publication is the latest on a Sunday: the next fetch is Monday's, 16:10 in Frankfurt.
// Whatever goes wrong then changes nothing: it is logged, shown in /healthz and tried again 30 s,
// 1 min, 2 min... later. A currency that the answer that finally comes lacks is no longer served:
// no source carries it.
TEST_F(RatesServiceTest, AFailedFetchChangesNothingAndIsRetriedWithBackOffUntilAnAnswerComes)
{
    FXServiceSettings quick = ecbOnly();
    quick.fetchTimeout = std::chrono::seconds(1);
    const auto service = startedService(quick);
    const QByteArray before = service->table()->json;
    const QString success = clock.now().toString(Qt::ISODate);
    EXPECT_EQ(service->nextFetch(), utc(2026, 12, 7, 15, 10));
    const std::pair<LoopbackResponse, const char *> failures[] = {
        {{500, {}}, "HTTP 500"},
        {{200, ""}, "not XML: "},
        {{200, {}, true, {}, true}, "timed out after 1 s"},
        {{200, ecbDay(QDate(2099, 1, 2), "<Cube currency='USD' rate='1.1'/>")},
         "data dated 2099-01-02T15:00:00Z, in the future"},
        {{200, fixture("gzip-bomb.gz"), true, {}, false, "Content-Encoding: gzip\r\n"},
         "the answer's compression is damaged or would inflate beyond any limit"}};
    qint64 retryDelay = 30;
    for (const auto &[response, reason] : failures) {
        ecb.setResponse(response);
        const QDateTime attempt = service->nextFetch();
        advance(*service, attempt);
        EXPECT_EQ(service->table()->json, before) << reason;
        const QJsonObject state = sourceHealth(*service, "ecb");
        const QString error = state[u"lastError"].toString();
        EXPECT_TRUE(error.contains(QString::fromLatin1(reason))) << qPrintable(error);
        EXPECT_TRUE(logContains(u"ecb: "_qs + error)) << qPrintable(log.join(u'\n'));
        EXPECT_EQ(state[u"lastSuccess"].toString(), success) << reason;
        EXPECT_EQ(state[u"nextFetch"].toString(), attempt.addSecs(retryDelay).toString(Qt::ISODate));
        retryDelay *= 2;
    }
    ecb.setResponse({200, ecbDay(QDate(2026, 12, 7), "<Cube currency='USD' rate='1.25'/><Cube currency='JPY' rate='150'/>")});
    advance(*service, service->nextFetch());
    EXPECT_EQ(rateOf(*service, "JPY"), FXRates::fromBase(120.0));
    EXPECT_EQ(service->table()->rates.keys(), codes("BTC EUR JPY USD XAG"));
    EXPECT_EQ(service->nextFetch(), utc(2026, 12, 8, 15, 10));
    EXPECT_EQ(ecb.requests().size(), 7);
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
// table at once, before any source has answered.
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
    EXPECT_EQ(QDir(statePath({})).entryList({u"state.json*"_qs}, QDir::Files), QStringList{u"state.json"_qs});
    const QJsonObject state = service->health().value(u"state").toObject();
    EXPECT_EQ(state.value(u"lastError").toString(),
              u"cannot write %1: File too large; the previous state is kept"_qs.arg(statePath()));
    EXPECT_EQ(state.value(u"lastErrorAt").toString(), u"2026-12-07T12:00:00Z"_qs);
    EXPECT_TRUE(logContains(u"state: cannot write "_qs));

    advance(*service, utc(2026, 12, 8, 12, 1));
    EXPECT_NE(contents(statePath()), saved);
    EXPECT_TRUE(service->health().value(u"state").toObject().value(u"lastError").isNull());

    const auto restarted = makeService(settings());
    EXPECT_EQ(restarted->table()->json, service->table()->json);
    EXPECT_FALSE(restarted->stalenessReason());
}
