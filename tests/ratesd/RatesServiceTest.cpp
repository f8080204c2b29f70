#include "RatesServiceSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

#include <sys/resource.h>

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

// The API's Sunday data is newer than the bank's of Friday and, of the same moment, preferred to
// the base table's. The currency API is asked at its fallback address when the first one fails.
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

// The next fetch is Monday's, 16:10 in Frankfurt. Whatever goes wrong then changes nothing and is
// tried again 30 s, 1 min, 2 min... later. A currency that no source carries any more leaves.
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
         "data dated 2099-01-02T15:00:00Z, in the future"}};
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
    EXPECT_EQ(ecb.requests().size(), 6);
}

// Old data is not current, however recent the answer: the genuine bank file of 2025-05-09 with the
// API's of 2021.
TEST_F(RatesServiceTest, OldDataIsNotCurrent)
{
    ecb.setResponse({200, realRates("ecb-daily-xpt-nl-ecb-2025-05-09.xml")});
    api.setResponse({200, realRates("api-old-vilmosnagy-usd-2021-08-03.json")});
    const auto service = startedService(settings());
    EXPECT_EQ(service->stalenessReason(),
              QStringLiteral("the newest rates date from 2026-11-06T12:00:00Z, more than 7 days ago; "
                             "a rates source last answered at 2026-12-06T12:00:00Z"));
    // The base table's 2026 rates win over the API's of 2021, which alone gives AED.
    EXPECT_EQ(rateOf(*service, "JPY"), (FXRate{100, 0.01}));
    EXPECT_EQ(rateOf(*service, "AED"), FXRates::fromBase(3.6732));
    EXPECT_EQ(service->table()->date, utc(2026, 11, 6, 12));
}

// A state saved ahead of the clock (set back since) and codes of no currency are not taken back. A
// write killed midway leaves a file removed once a minute old; a younger one may be a write under way.
TEST_F(RatesServiceTest, TheSavedStateIsTakenBackOnlyWhereItCanBeTrusted)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    writeFile(statePath(QStringLiteral("state.json.aB3dE9")), "{\"sour", now.addSecs(-61));
    writeFile(statePath(QStringLiteral("state.json.Zx81Qa")), "{\"sour", now.addSecs(-30));
    writeFile(statePath(), R"({"sources": {
        "ecb": {"rates": {"CHF": {"from_base": 0.8, "to_base": 1.25}}, "dataDate": "2026-12-04T15:00:00Z",
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

// The API's XAG of 0.842 (its real error of 2021) against its 0.03 of the day before: held, named
// in /healthz, counted across a restart (one every idle hour) and left out of the history.
TEST_F(RatesServiceTest, AnImplausibleRateIsHeldAndNamed)
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
    const auto restarted = makeService(apiOnly());
    EXPECT_EQ(sourceHealth(*restarted, "api").value(u"held"), sourceHealth(*service, "api").value(u"held"));
    const auto silver = service->history().series(QStringLiteral("XAG"), QDate(2026, 12, 1), QDate(2026, 12, 31));
    EXPECT_EQ(silver, (FXServedRateSeries{{QDate(2026, 12, 5), 0.03}}));
}

// A full disk keeps the previous state file and history, said in the log and in /healthz until a
// write succeeds again. A restart serves the saved table before any source has answered.
TEST_F(RatesServiceTest, AFullDiskKeepsThePreviousStateAndHistoryAndARestartServesThem)
{
    const auto service = startedService(settings());
    const QByteArray saved = contents(statePath());
    ASSERT_GT(saved.size(), 1000);
    const auto yen = [&service] {
        return service->history().series(u"JPY"_qs, QDate(2026, 12, 1), QDate(2026, 12, 31)).value_or(
            FXServedRateSeries());
    };
    const FXServedRateSeries history = yen();
    ASSERT_EQ(history.size(), 2);

    api.setResponse({200, apiDay(QDate(2026, 12, 7), R"("eur": 0.93, "jpy": 151, "aed": 3.67)")});
    {
        // Writes past 512 bytes fail with EFBIG, as on a full disk.
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{512, previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        advance(*service, utc(2026, 12, 7, 12, 1));
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }
    EXPECT_EQ(contents(statePath()), saved);
    EXPECT_EQ(QDir(statePath({})).entryList({u"state.json*"_qs}, QDir::Files), QStringList{u"state.json"_qs});
    const QJsonObject state = service->health().value(u"state").toObject();
    EXPECT_EQ(state.value(u"lastError").toString(),
              u"cannot write %1: File too large; the previous state is kept"_qs.arg(statePath()));
    EXPECT_TRUE(logContains(u"state: cannot write "_qs));
    EXPECT_EQ(yen(), history);
    EXPECT_TRUE(service->health().value(u"history").toObject().value(u"lastError").toString().startsWith(
        u"cannot write "_qs + service->history().path()));

    advance(*service, utc(2026, 12, 8, 12, 1));
    EXPECT_NE(contents(statePath()), saved);
    EXPECT_TRUE(service->health().value(u"state").toObject().value(u"lastError").isNull());
    EXPECT_TRUE(service->health().value(u"history").toObject().value(u"lastError").isNull());
    EXPECT_EQ(yen().value(2), std::pair(QDate(2026, 12, 7), 151.0));

    const auto restarted = makeService(settings());
    EXPECT_EQ(restarted->table()->json, service->table()->json);
    EXPECT_FALSE(restarted->stalenessReason());
}
