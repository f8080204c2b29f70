#include "RatesServiceSupport.h"

#include "FXCurrencyCodes.h"
#include "FXEcbHistoryImport.h"
#include "FXHistoryQuery.h"
#include "FXServedRateHistory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct HistoryQuery {
    QByteArray query;
    int status;
    const char *answer;   // each currency as "CODE days first..last", or the start of the error
};

// "EUR 4 2014-04-16..2014-04-23" per currency (";" between, "[...]" around an array), or the error.
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

// The genuine 90-day file of 2014 and its Easter closing, with five days of 2013 and five of 2015
// (fixtures/README.md): LTL leaves with the euro, ISK joins. A damaged file is set aside first.
TEST_F(RatesHttpServerTest, AnswersEachHistoryQueryWithTheDaysHeldOrTheReason)
{
    ecb.setResponse({200, fixture("ecb-hist-2013-2015.xml")});
    const auto history = [this](const QByteArray &query) {
        return request("GET", FXRatesHttpServer::historyPath() + u'?' + QString::fromLatin1(query));
    };
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
        {"currency=eur%2CJPY&from=2005-06-12&to=2015-06-12", 200,
         "[EUR USD 72 2013-03-18..2015-06-12;JPY USD 72 2013-03-18..2015-06-12]"},
        {"currency=EUR&from=2005-06-12&to=2015-06-13", 400, "more than 10 years asked at once"},
        {"currency=EUR&from=2015-06-13&to=2015-06-12", 400, "from (2015-06-13) is after to (2015-06-12)"},
        {"currency=EUR&from=2014-02-30&to=2015-06-12", 400, "from is not a date of the form YYYY-MM-DD: 2014-02-30"},
        {"currency=EUR&from=2014-2-3&to=2015-06-12", 400, "from is not a date of the form YYYY-MM-DD: 2014-2-3"},
        {"currency=EUR&from=2014-02-03", 400, "no to given"},
        {"currency=EUR&currency=JPY&from=2014-02-03&to=2015-06-12", 400, "currency given more than once"},
        {"currency=EUR,,JPY&from=2014-02-03&to=2015-06-12", 400, "not a currency code: \"\""},
        {"currency=EUR,ZZZ&from=2014-02-03&to=2015-06-12", 404, "no history of ZZZ"},
        {"currency=" + QByteArray("EUR,").repeated(FXHistoryQuery::maximumCurrencies)
             + "EUR&from=2014-02-03&to=2015-06-12", 400, "more than 40 currencies asked at once"},
    };
    for (const HistoryQuery &query : queries) {
        SCOPED_TRACE(query.query.constData());
        const HttpAnswer answer = history(query.query);
        EXPECT_EQ(answer.status, query.status);
        EXPECT_EQ(summary(answer).toStdString(), query.answer);
    }
    const HttpAnswer ltl = history("currency=LTL,EUR&from=2014-04-17&to=2014-04-17");
    const QJsonArray both = QJsonDocument::fromJson(ltl.body).array();
    EXPECT_EQ(both[0].toObject().value(u"rates").toArray()[0][1].toDouble(), 3.4528 / 1.3855);
    EXPECT_EQ(both[1].toObject().value(u"rates").toArray()[0][1].toDouble(), 1.0 / 1.3855);
}

// A day holds one rate per currency, the bank's over the API's, with the served table's rules.
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
                                dayOf(tuesday, {{"EUR", 0.6}, {"XTS", 1}, {"JPY", 2e9}}),
                                dayOf(friday, {{"LTL", 2.9}, {"CHF", 1e-10}})}));
    ASSERT_TRUE(history.record(FXServedRateHistory::Source::CentralBank, {dayOf(tuesday, {{"EUR", 0.83}})}));
    EXPECT_EQ(seriesText(history, "EUR").toStdString(), "2014-12-29=0.82 2014-12-30=0.83");
    EXPECT_EQ(seriesText(history, "LTL").toStdString(), "2014-12-29=2.8");   // gone in 2015
    EXPECT_EQ(seriesText(history, "SLE").toStdString(), "2014-12-29=22");    // the seed's, not yet in use
    for (const char *code : {"XTS", "JPY", "CHF"})
        EXPECT_FALSE(history.knows(QString::fromLatin1(code))) << code;
}

// The full history is read in pieces and taken whole or not at all.
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

// Imported once: a failed import is tried again after the next good answer, never after a good one.
TEST_F(RatesServiceTest, ImportsTheBanksFullHistoryOnce)
{
    LoopbackHttpServer bank;
    bank.setResponse({503, "busy"});
    FXServiceSettings withHistory = ecbOnly();
    withHistory.ecbHistoryUrl = bank.url(QStringLiteral("/eurofxref-hist.xml"));
    auto service = startedService(withHistory);
    const auto imported = [&service] { return !service->isImportingHistory(); };
    EXPECT_TRUE(runUntil(imported, Patience));
    EXPECT_EQ(service->health().value(u"history").toObject().value(u"importError"), u"HTTP 503"_qs);

    bank.setResponse({200, fixture("ecb-hist-2013-2015.xml")});
    advance(*service, clock.now().addDays(2));
    EXPECT_TRUE(runUntil(imported, Patience));
    const QJsonObject health = service->health().value(u"history").toObject();
    EXPECT_TRUE(health.value(u"importError").isNull());
    EXPECT_TRUE(health.value(u"imported").toBool());
    EXPECT_TRUE(logContains(u"history: imported 72 days"_qs));

    service.reset();
    const qsizetype asked = bank.requests().size();
    service = startedService(withHistory);
    EXPECT_TRUE(runUntil(imported, Patience));
    EXPECT_EQ(bank.requests().size(), asked);
    EXPECT_EQ(seriesText(service->history(), "ISK").count(u'='), 6);   // the file's five and the day's
}
