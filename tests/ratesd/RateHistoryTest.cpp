#include "RatesServiceSupport.h"

#include "FXCurrencyCodes.h"
#include "FXEcbHistoryImport.h"
#include "FXHistoryQuery.h"
#include "FXServedRateHistory.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct HistoryQuery {
    const char *query;
    int status;
    const char *answer;   // each currency as "CODE days first..last", or the start of the error
};

// What an answer holds, in short: "EUR 4 2014-04-16..2014-04-23" per currency (";" between them,
// "[...]" around an array), or the error.
QString summary(const HttpAnswer &answer)
{
    const QJsonDocument document = QJsonDocument::fromJson(answer.body);
    if (document.object().contains(u"error"))
        return document.object().value(u"error").toString();
    const auto one = [](const QJsonObject &object) {
        const QJsonArray rates = object.value(u"rates").toArray();
        QString text = object.value(u"currency").toString() + u' ' + object.value(u"base").toString() + u' '
                       + QString::number(rates.size());
        if (!rates.isEmpty())
            text += u' ' + rates.first()[0].toString() + QStringLiteral("..") + rates.last()[0].toString();
        return text;
    };
    if (document.isObject())
        return one(document.object());
    QStringList parts;
    for (const QJsonValue &value : document.array())
        parts.append(one(value.toObject()));
    return u'[' + parts.join(u';') + u']';
}

FXHistoryDay dayOf(const QDate &day, std::initializer_list<std::pair<const char *, double>> rates)
{
    FXHistoryDay result{day, {}};
    for (const auto &[code, fromBase] : rates)
        result.fromBase.append({QString::fromLatin1(code), fromBase});
    return result;
}

QString seriesText(const FXServedRateHistory &history, const char *code)
{
    QStringList days;
    const auto series = history.series(QString::fromLatin1(code), QDate(1999, 1, 1), QDate(2030, 1, 1));
    for (const auto &[day, fromBase] : series.value_or(FXServedRateSeries()))
        days.append(day.toString(Qt::ISODate) + u'=' + QString::number(fromBase));
    return days.join(u' ');
}

}

// The server over the bank's file derived from the genuine 90-day history of 2014 (see
// fixtures/README.md): five days of 2013, the 62 genuine days with the Easter closing, and five
// days of 2015 that still list LTL, gone with the euro's arrival in Lithuania, and add ISK.
class RateHistoryTest : public RatesHttpServerTest {
protected:
    RateHistoryTest() { ecb.setResponse({200, fixture("ecb-hist-2013-2015.xml")}); }

    HttpAnswer history(const QByteArray &query)
    {
        return request("GET", FXRatesHttpServer::historyPath() + u'?' + QString::fromLatin1(query));
    }
};

// A file that is no database is set aside first, and the history begins again.
TEST_F(RateHistoryTest, AnswersEachQueryWithTheDaysHeldOrTheReason)
{
    const QString damaged = statePath(u"history.sqlite"_qs);
    writeFile(damaged, QByteArray(8192, 'x'));
    serve(ecbOnly());
    EXPECT_TRUE(logContains(u"was damaged; set aside as "_qs + damaged + u".damaged"_qs));
    EXPECT_EQ(QFile(damaged + u".damaged"_qs).size(), 8192);
    const HistoryQuery queries[] = {
        // Good Friday and Easter Monday of 2014 have no rates, nor has the weekend between.
        {"currency=EUR&from=2014-04-16&to=2014-04-23", 200, "EUR USD 4 2014-04-16..2014-04-23"},
        {"currency=EUR&from=2014-04-18&to=2014-04-21", 200, "EUR USD 0"},
        {"currency=LTL&from=2013-01-01&to=2015-12-31", 200, "LTL USD 67 2013-03-18..2014-06-13"},
        {"currency=ISK&from=2013-01-01&to=2015-12-31", 200, "ISK USD 5 2015-06-08..2015-06-12"},
        {"currency=eur,JPY&from=2015-06-12&to=2015-06-12", 200, "[EUR USD 1 2015-06-12..2015-06-12;JPY USD 1 2015-06-12..2015-06-12]"},
        {"currency=EUR%2CJPY&from=2005-06-12&to=2015-06-12", 200, "[EUR USD 72 2013-03-18..2015-06-12;JPY USD 72 2013-03-18..2015-06-12]"},
        {"currency=EUR&from=2005-06-12&to=2015-06-13", 400, "more than 10 years asked at once"},
        {"currency=EUR&from=2015-06-13&to=2015-06-12", 400, "from (2015-06-13) is after to (2015-06-12)"},
        {"currency=EUR&from=2014-02-30&to=2015-06-12", 400, "from is not a date of the form YYYY-MM-DD: 2014-02-30"},
        {"currency=EUR&from=2014-2-3&to=2015-06-12", 400, "from is not a date of the form YYYY-MM-DD: 2014-2-3"},
        {"currency=EUR&from=2014-02-03", 400, "no to given"},
        {"from=2014-02-03&to=2015-06-12", 400, "no currency given"},
        {"currency=EUR&currency=JPY&from=2014-02-03&to=2015-06-12", 400, "currency given more than once"},
        {"currency=EURO&from=2014-02-03&to=2015-06-12", 400, "not a currency code: \"EURO\""},
        {"currency=EUR,,JPY&from=2014-02-03&to=2015-06-12", 400, "not a currency code: \"\""},
        // The base table's silver is served but no source gave it on a day.
        {"currency=XAG&from=2014-02-03&to=2015-06-12", 404, "no history of XAG"},
        {"currency=EUR,ZZZ&from=2014-02-03&to=2015-06-12", 404, "no history of ZZZ"},
    };
    for (const HistoryQuery &query : queries) {
        SCOPED_TRACE(query.query);
        const HttpAnswer answer = history(query.query);
        EXPECT_EQ(answer.status, query.status);
        EXPECT_EQ(summary(answer).toStdString(), query.answer);
    }
    const QByteArray manyCurrencies = QByteArray("EUR,").repeated(FXHistoryQuery::maximumCurrencies) + "EUR";
    EXPECT_EQ(summary(history("currency=" + manyCurrencies + "&from=2014-02-03&to=2015-06-12")).toStdString(),
              "more than 40 currencies asked at once");
    const HttpAnswer ltl = history("currency=LTL,EUR&from=2014-04-17&to=2014-04-17");
    const QJsonArray both = QJsonDocument::fromJson(ltl.body).array();
    EXPECT_EQ(both[0].toObject().value(u"rates").toArray()[0][1].toDouble(), 3.4528 / 1.3855);
    EXPECT_EQ(both[1].toObject().value(u"rates").toArray()[0][1].toDouble(), 1.0 / 1.3855);
}

// The history outlives the process; a write cut short by a full disk, here past the file size
// limit halfway into the database, leaves it as it was and says so until a write goes through.
TEST_F(RateHistoryTest, SurvivesAFullDiskAndARestart)
{
    serve(ecbOnly());
    const QByteArray query = "currency=EUR,LTL&from=2013-01-01&to=2015-12-31";
    const HttpAnswer before = history(query);
    ASSERT_EQ(before.status, 200);
    // Two months more, which the database has no room for.
    ecb.setResponse({200, fixture("ecb-hist-2013-2015.xml").replace("time=\"2014-", "time=\"2016-")});
    const QString path = service->history().path();
    {
        const FileSizeLimit limit(QFileInfo(path).size() / 2);
        advance(*service, clock.now().addDays(2));
    }
    EXPECT_EQ(history(query).body, before.body);
    const QJsonObject health = service->health().value(u"history").toObject();
    EXPECT_TRUE(health.value(u"lastError").toString().startsWith(QStringLiteral("cannot write ") + path))
        << log.join(u'\n').toStdString();

    advance(*service, clock.now().addDays(2));
    const QByteArray later = "currency=EUR&from=2016-01-01&to=2016-12-31";
    EXPECT_EQ(summary(history(later)).toStdString(), "EUR USD 62 2016-03-17..2016-06-13");
    EXPECT_TRUE(service->health().value(u"history").toObject().value(u"lastError").isNull());

    server.reset();
    service.reset();
    ecb.setResponse({503, "closed"});
    serve(ecbOnly());
    EXPECT_EQ(history(query).body, before.body);
    EXPECT_EQ(summary(history(later)).toStdString(), "EUR USD 62 2016-03-17..2016-06-13");
}

// A day holds one rate per currency: the bank's over the currency API's, whichever came first.
// Only the seed's codes and codes in use on the day, with rates within the bounds, go in, as for
// the served table.
TEST(RateHistory, KeepsTheBanksDayAndTheServedTablesRules)
{
    QTemporaryDir folder;
    FXServedRateHistory history(folder.path(), FXCurrencyCodes::shared());
    ASSERT_TRUE(history.open());
    const QDate monday(2014, 12, 29), tuesday(2014, 12, 30), friday(2015, 1, 2);
    ASSERT_TRUE(history.record(FXServedRateHistory::Source::CentralBank,
                               {dayOf(monday, {{"EUR", 0.82}, {"LTL", 2.8}, {"SLE", 22}})}));
    ASSERT_TRUE(history.record(FXServedRateHistory::Source::CurrencyApi,
                               {dayOf(monday, {{"EUR", 0.5}, {"BTC", 0.003}}),
                                dayOf(tuesday, {{"EUR", 0.6}, {"XTS", 1}, {"XBA", 1}, {"XUA", 1},
                                                {"JPY", 2e9}}),
                                dayOf(friday, {{"LTL", 2.9}, {"CHF", 1e-10}})}));
    ASSERT_TRUE(history.record(FXServedRateHistory::Source::CentralBank, {dayOf(tuesday, {{"EUR", 0.83}})}));
    EXPECT_EQ(seriesText(history, "EUR").toStdString(), "2014-12-29=0.82 2014-12-30=0.83");
    EXPECT_EQ(seriesText(history, "BTC").toStdString(), "2014-12-29=0.003");
    EXPECT_EQ(seriesText(history, "LTL").toStdString(), "2014-12-29=2.8");   // gone in 2015
    EXPECT_EQ(seriesText(history, "SLE").toStdString(), "2014-12-29=22");    // the seed's, not yet in use
    for (const char *code : {"XTS", "XBA", "XUA", "JPY", "CHF"})
        EXPECT_FALSE(history.knows(QString::fromLatin1(code))) << code;
    EXPECT_FALSE(history.isImported());
    ASSERT_TRUE(history.record(FXServedRateHistory::Source::CentralBank, {}, nullptr, true));
    EXPECT_TRUE(history.isImported());
}

// The full history is taken whole or not at all, read as it comes in pieces: a file cut short
// leaves the history as it was and the import to be done again.
TEST(EcbHistoryImport, TakesTheWholeFileInOneGoOrNothing)
{
    QTemporaryDir folder;
    FXServedRateHistory history(folder.path(), FXCurrencyCodes::shared());
    ASSERT_TRUE(history.open());
    const QByteArray file = fixture("ecb-hist-2013-2015.xml");

    FXEcbHistoryImport cut(history, FXCurrencyCodes::shared());
    ASSERT_TRUE(cut.addData(file.first(file.size() * 2 / 3)));
    EXPECT_FALSE(cut.finish());
    EXPECT_TRUE(cut.failure().startsWith(QStringLiteral("not XML: "))) << cut.failure().toStdString();
    EXPECT_FALSE(history.isImported());
    EXPECT_FALSE(history.knows(QStringLiteral("EUR")));

    // A day that lists its dollar twice is left out, the rest taken.
    const QByteArray twice = QByteArray(file).replace("<Cube currency=\"USD\" rate=\"1.3855\" />",
                                                      "<Cube currency=\"USD\" rate=\"1.3855\" /><Cube currency=\"USD\" rate=\"2.7\" />");
    FXEcbHistoryImport whole(history, FXCurrencyCodes::shared());
    for (qsizetype at = 0; at < twice.size(); at += 1000)
        ASSERT_TRUE(whole.addData(QByteArrayView(twice).sliced(at, std::min<qsizetype>(1000, twice.size() - at))));
    ASSERT_TRUE(whole.finish()) << whole.failure().toStdString();
    EXPECT_EQ(whole.dayCount(), 71);
    EXPECT_EQ(whole.refusedDayCount(), 1);
    EXPECT_TRUE(whole.firstRefusal().startsWith(QStringLiteral("USD listed twice on 2014-04-17")));
    EXPECT_TRUE(history.isImported());
    EXPECT_EQ(seriesText(history, "ISK").count(u'='), 5);
    EXPECT_EQ(history.span(), std::pair(QDate(2013, 3, 18), QDate(2015, 6, 12)));
}

// The bank's full history is imported once: a failed import is tried again after the next good
// answer of a source, and a restart after a good one asks no more.
TEST_F(RatesServiceTest, ImportsTheBanksFullHistoryOnce)
{
    LoopbackHttpServer bank;
    bank.setResponse({503, "busy"});
    FXServiceSettings withHistory = ecbOnly();
    withHistory.ecbHistoryUrl = bank.url(QStringLiteral("/eurofxref-hist.xml"));
    auto service = startedService(withHistory);
    const auto imported = [&service] { return !service->isImportingHistory(); };
    EXPECT_TRUE(waitUntil(imported));
    QJsonObject health = service->health().value(u"history").toObject();
    EXPECT_EQ(health.value(u"importError").toString(), QStringLiteral("HTTP 503"));
    EXPECT_FALSE(health.value(u"imported").toBool());

    bank.setResponse({200, fixture("ecb-hist-2013-2015.xml")});
    advance(*service, clock.now().addDays(2));
    EXPECT_TRUE(waitUntil(imported));
    health = service->health().value(u"history").toObject();
    EXPECT_TRUE(health.value(u"importError").isNull()) << qPrintable(health.value(u"importError").toString());
    EXPECT_TRUE(health.value(u"imported").toBool());
    EXPECT_TRUE(logContains(u"history: imported 72 days"_qs));

    service.reset();
    const qsizetype asked = bank.requests().size();
    service = startedService(withHistory);
    EXPECT_TRUE(waitUntil(imported));
    EXPECT_EQ(bank.requests().size(), asked);
    // The imported file's five days and the daily answer's.
    EXPECT_EQ(seriesText(service->history(), "ISK").count(u'='), 6);
}
