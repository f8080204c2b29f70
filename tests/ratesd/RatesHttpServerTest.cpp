#include "RatesServiceSupport.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Exchange {
    const char *name;
    const char *method;
    const char *path;
    const char *ifModifiedSince;
    int status;
    bool hasBody;
    const char *header;   // "Name: value" that the answer must carry, or ""
};

void PrintTo(const Exchange &exchange, std::ostream *out) { *out << exchange.name; }

QJsonObject json(const HttpAnswer &answer)
{
    return QJsonDocument::fromJson(answer.body).object();
}

}

class HttpExchange : public RatesHttpServerTest, public ::testing::WithParamInterface<Exchange> {};

TEST_P(HttpExchange, AnswersAsHttpSays)
{
    serve(ecbOnly());
    const Exchange &exchange = GetParam();
    const HttpAnswer answer = request(exchange.method, QString::fromLatin1(exchange.path), exchange.ifModifiedSince);
    EXPECT_EQ(answer.status, exchange.status);
    EXPECT_EQ(!answer.body.isEmpty(), exchange.hasBody);
    if (*exchange.header) {
        const QList<QByteArray> header = QByteArray(exchange.header).split(':');
        EXPECT_EQ(answer.headers.value(header[0].toLower()), header.mid(1).join(':').trimmed());
    }
    if (exchange.status == 200 && QByteArray(exchange.path).startsWith("/lab/")) {
        EXPECT_EQ(answer.headers.value("content-length").toLongLong(), service->table()->json.size());
        if (exchange.hasBody) {
            EXPECT_EQ(answer.body, service->table()->json);
        }
    }
}

// The bank's fixture is of Friday 2026-12-04, published at 15:00 UTC.
INSTANTIATE_TEST_SUITE_P(Requests, HttpExchange, ::testing::Values(
    Exchange{"Get", "GET", "/lab/lumenfold/update.php", "", 200, true, "Cache-Control: public, max-age=300"},
    Exchange{"GetWithQuery", "GET", "/lab/lumenfold/update.php?client=1", "", 200, true,
             "Content-Type: application/json"},
    Exchange{"Head", "HEAD", "/lab/lumenfold/update.php", "", 200, false, "Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT"},
    Exchange{"NotModified", "GET", "/lab/lumenfold/update.php", "Fri, 04 Dec 2026 15:00:00 GMT", 304, false, ""},
    Exchange{"ModifiedSince", "GET", "/lab/lumenfold/update.php", "Fri, 04 Dec 2026 14:59:59 GMT", 200, true, ""},
    Exchange{"Post", "POST", "/lab/lumenfold/update.php", "", 405, true, "Allow: GET, HEAD"},
    Exchange{"PostHistory", "POST", "/lab/lumenfold/history.php?currency=EUR", "", 405, true, "Allow: GET, HEAD"},
    Exchange{"UnknownMethod", "BREW", "/healthz", "", 501, true, "Content-Type: application/json"},
    Exchange{"OtherPath", "GET", "/lab/lumenfold/update.php/", "", 404, true, "Content-Type: application/json"},
    Exchange{"Health", "GET", "/healthz", "", 200, true, "Cache-Control: no-store"}),
    [](const auto &info) { return std::string(info.param.name); });

// The addresses may carry keys, and the files are this machine's business.
TEST_F(RatesHttpServerTest, HealthTellsEachSourcesStateAndWhereFromOnlyToThisMachine)
{
    api.setResponse({502, {}});
    serve(settings());
    clock.advanceTo(clock.now().addSecs(10));
    const QJsonObject health = json(request("GET", FXRatesHttpServer::healthPath()));
    const QJsonObject sources = health.value(u"sources").toObject();
    EXPECT_EQ(sources.value(u"ecb").toObject().value(u"age").toInt(), 10);
    EXPECT_EQ(sources.value(u"api").toObject().value(u"lastError").toString(), u"HTTP 502"_qs);
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

// Thursday 2027-03-25 to Tuesday 2027-03-30 without a publication, and Tuesday's coming so late
// that it is fetched on Wednesday: the default maximum age keeps the table current throughout. A
// mirror's older answer does not take the place of newer data, and a week after the last
// publication both paths answer 503, the update path with its reason, until newer data comes.
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

    ecb.setResponse({200, ecbDay(QDate(2027, 4, 7), "<Cube currency='USD' rate='1.1'/>")});
    advance(*service, clock.now().addSecs(86400));
    const HttpAnswer fresh = request("GET", FXRatesHttpServer::updatePath());
    EXPECT_EQ(fresh.status, 200);
    EXPECT_EQ(fresh.headers.value("last-modified"), "Wed, 07 Apr 2027 14:00:00 GMT");
}

// Without the hold a new user's first refresh would meet the old base table's 503. The first
// fetches take until their deadline, so the server holds the first requests.
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

TEST_F(RatesHttpServerTest, AHeldRequestIsAnsweredAtTheHoldLimit)
{
    LoopbackHttpServer stalling;
    stalling.setResponse({.stalls = true});
    FXServiceSettings stalled = ecbOnly();
    stalled.ecbUrls = {stalling.url()};
    stalled.fetchTimeout = std::chrono::seconds(20);
    serve(stalled, false, std::chrono::milliseconds(200));
    service->start();
    // A client that gives up while it waits leaves nothing behind to answer.
    QTcpSocket impatient;
    impatient.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(impatient.waitForConnected());
    impatient.write("GET /lab/lumenfold/update.php HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    ASSERT_TRUE(impatient.waitForBytesWritten());
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    impatient.abort();

    EXPECT_EQ(request("GET", FXRatesHttpServer::updatePath()).status, 503);
    EXPECT_TRUE(service->isStarting());
}
