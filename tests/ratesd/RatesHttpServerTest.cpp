#include "RatesServiceSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject json(const HttpAnswer &answer)
{
    return QJsonDocument::fromJson(answer.body).object();
}

}

// The bank's fixture is of Friday 2026-12-04, published at 15:00 UTC.
TEST_F(RatesHttpServerTest, AnswersAsHttpSays)
{
    serve(ecbOnly());
    const struct {
        const char *method;
        const char *path;
        const char *ifModifiedSince;
        int status;
        bool hasBody;
        const char *header;   // "Name: value" that the answer must carry, or ""
    } exchanges[] = {
        {"GET", "/lab/lumenfold/update.php?client=1", "", 200, true, "Content-Type: application/json"},
        {"HEAD", "/lab/lumenfold/update.php", "", 200, false, "Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT"},
        {"GET", "/lab/lumenfold/update.php", "Fri, 04 Dec 2026 15:00:00 GMT", 304, false,
         "Cache-Control: public, max-age=300"},
        {"GET", "/lab/lumenfold/update.php", "Fri, 04 Dec 2026 14:59:59 GMT", 200, true, ""},
        {"POST", "/lab/lumenfold/update.php", "", 405, true, "Allow: GET, HEAD"},
        {"BREW", "/healthz", "", 501, true, "Content-Type: application/json"},
        {"GET", "/lab/lumenfold/update.php/", "", 404, true, "Content-Type: application/json"},
        {"GET", "/healthz", "", 200, true, "Cache-Control: no-store"}};
    for (const auto &exchange : exchanges) {
        SCOPED_TRACE(std::string(exchange.method) + ' ' + exchange.path + ' ' + exchange.ifModifiedSince);
        const HttpAnswer answer = request(exchange.method, QString::fromLatin1(exchange.path),
                                          exchange.ifModifiedSince);
        EXPECT_EQ(answer.status, exchange.status);
        EXPECT_EQ(!answer.body.isEmpty(), exchange.hasBody);
        if (*exchange.header) {
            const QList<QByteArray> header = QByteArray(exchange.header).split(':');
            EXPECT_EQ(answer.headers.value(header[0].toLower()), header.mid(1).join(':').trimmed());
        }
        if (exchange.status == 200 && QByteArray(exchange.path).startsWith("/lab/")) {
            EXPECT_EQ(answer.headers.value("content-length").toLongLong(), service->table()->json.size());
            EXPECT_EQ(answer.body, exchange.hasBody ? service->table()->json : QByteArray());
        }
    }
}

// The addresses may carry keys, and the files are this machine's business.
TEST_F(RatesHttpServerTest, HealthShowsTheSourcesAddressesOnlyToThisMachine)
{
    serve(ecbOnly());
    for (const bool fromLoopback : {true, false}) {
        FXHttpRequest request;
        request.method = "GET";
        request.path = "/healthz";
        request.fromLoopback = fromLoopback;
        const QByteArray body = server->answer(request)->body;
        EXPECT_EQ(body.contains(settings().ecbUrls[0].toString().toUtf8()), fromLoopback) << body.constData();
        EXPECT_EQ(body.contains(basePath.toUtf8()), fromLoopback);
        EXPECT_TRUE(QJsonDocument::fromJson(body).object().value(u"sources").toObject().contains(u"ecb"));
    }
}

// No publication from Thursday 2027-03-25 to Tuesday's, fetched on Wednesday: the default maximum
// age keeps the table current. A mirror's older answer changes nothing; a week on, both paths say 503.
TEST_F(RatesHttpServerTest, TheBanksEasterClosingNeverMakesTheTableStaleButAWeekWithoutNewDataDoes)
{
    FXServiceSettings easter = ecbOnly();
    easter.maximumAge = FXServiceSettings::defaultMaximumAge;
    const QByteArray thursday = ecbDay(QDate(2027, 3, 25), "<Cube currency='USD' rate='1.08'/>");
    ecb.setResponse({200, thursday});
    clock.advanceTo(utc(2027, 3, 25, 15, 10));
    serve(easter);
    const QDateTime wednesday = utc(2027, 3, 31, 14, 9);   // 16:09 in Frankfurt
    for (QDateTime hour = clock.now(); hour < wednesday; hour = hour.addSecs(3600)) {
        advance(*service, hour);
        ASSERT_FALSE(service->stalenessReason()) << qPrintable(hour.toString(Qt::ISODate));
    }
    ecb.setResponse({200, ecbDay(QDate(2027, 3, 31), "<Cube currency='USD' rate='1.09'/>")});
    advance(*service, wednesday.addSecs(120));
    ecb.setResponse({200, thursday});
    const QDateTime aWeekOn = utc(2027, 4, 7, 14);
    advance(*service, aWeekOn);
    EXPECT_EQ(request("GET", FXRatesHttpServer::updatePath()).headers.value("last-modified"),
              "Wed, 31 Mar 2027 14:00:00 GMT");

    clock.advanceTo(aWeekOn.addMSecs(1));
    const HttpAnswer update = request("GET", FXRatesHttpServer::updatePath());
    EXPECT_EQ(update.status, 503);
    EXPECT_EQ(json(update).value(u"error").toString().toStdString(),
              "the newest rates date from 2027-03-31T14:00:00Z, more than 7 days ago; "
              "a rates source last answered at 2027-04-06T16:10:00Z");
    EXPECT_EQ(update.headers.value("cache-control"), "no-store");
    const qint64 retryAfter = update.headers.value("retry-after").toLongLong();
    EXPECT_TRUE(retryAfter > 0 && retryAfter <= 86400) << retryAfter;
    const HttpAnswer health = request("GET", FXRatesHttpServer::healthPath());
    EXPECT_EQ(health.status, 503);
    EXPECT_EQ(json(health).value(u"status").toString(), u"stale"_qs);
}

// Without the hold a new user's first refresh would meet the old base table's 503.
TEST_F(RatesHttpServerTest, TheFirstRequestsWaitForTheFirstFetchesAndKeepTheirOrder)
{
    LoopbackHttpServer stalling;
    stalling.setResponse({.stalls = true});
    FXServiceSettings slowApi = apiOnly();
    slowApi.apiUrls.prepend(stalling.url());
    slowApi.fetchTimeout = std::chrono::milliseconds(500);
    serve(slowApi, false);
    service->start();
    RawHttpClient client(port);
    client.send("GET /lab/lumenfold/update.php HTTP/1.1\r\nHost: x\r\n\r\nGET /healthz HTTP/1.1\r\nHost: x\r\n\r\n");
    const QList<HttpAnswer> answers = client.receive(2);
    ASSERT_EQ(answers.size(), 2);
    EXPECT_EQ(answers[0].status, 200);
    const FXRateMap rates = FXRateEntries::read(json(answers[0]).toVariantMap()).rates;
    EXPECT_EQ(rates.value(u"AED"_qs), FXRates::fromBase(3.6725));
    EXPECT_TRUE(json(answers[1]).contains(u"sources"));
}
