#include "FXHttpServer.h"
#include "RatesServiceSupport.h"

#include <QElapsedTimer>

namespace {

struct Conversation {
    const char *name;
    QByteArray bytes;
    QList<int> statuses;
    const char *lastRequest;  // "METHOD /path" that the last answer was for, or ""
    const char *connection;   // the last answer's Connection header
    bool closes;
};

void PrintTo(const Conversation &conversation, std::ostream *out) { *out << conversation.name; }

const QByteArray Long(FXHttpRequestReader::maximumHeadSize, 'a');
const QByteArray Next = "GET /next HTTP/1.1\r\nHost: x\r\n\r\n";

}

// The server on the test's thread, answering each request with its method and path, "/big/..."
// with 8 KiB more, and leaving "/wait" for the test to answer.
class HttpServerTest : public ::testing::Test {
protected:
    void start(std::chrono::milliseconds timeout = FXHttpServer::defaultTimeout)
    {
        server = std::make_unique<FXHttpServer>([this](const FXHttpRequest &request) -> std::optional<FXHttpAnswer> {
            if (request.refusedStatus)
                return FXHttpAnswer{request.refusedStatus, {}, request.refusal};
            if (request.path == "/wait") {
                waiting.append(request.connection);
                return std::nullopt;
            }
            const QByteArray padding = request.path.startsWith("/big/") ? QByteArray(8192, 'x') : QByteArray();
            return FXHttpAnswer{200, {}, request.method.toByteArray() + ' ' + padding + request.path.toByteArray()};
        }, timeout);
        QString error;
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0, &error)) << error.toStdString();
        port = server->addresses().value(0).second;
    }

    std::unique_ptr<FXHttpServer> server;
    quint16 port = 0;
    QList<quint64> waiting;
};

class HttpConversation : public HttpServerTest, public ::testing::WithParamInterface<Conversation> {};

TEST_P(HttpConversation, IsAnsweredAndEndedAsHttpSays)
{
    start(std::chrono::milliseconds(500));
    const Conversation &conversation = GetParam();
    RawHttpClient client(port);
    client.send(conversation.bytes);
    // One answer more than expected is only waited for until the server closes.
    const QList<HttpAnswer> answers = client.receive(conversation.statuses.size() + (conversation.closes ? 1 : 0));
    QList<int> statuses;
    for (const HttpAnswer &answer : answers)
        statuses.append(answer.status);
    EXPECT_EQ(statuses, conversation.statuses);
    EXPECT_EQ(client.isClosed(), conversation.closes);
    if (!answers.isEmpty()) {
        EXPECT_EQ(answers.last().headers.value("connection"), QByteArray(conversation.connection));
        if (*conversation.lastRequest) {
            EXPECT_EQ(answers.last().body, QByteArray(conversation.lastRequest));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, HttpConversation, ::testing::Values(
    Conversation{"KeepAlive", "GET /a?b=c HTTP/1.1\r\nHost: x\r\n\r\n" + Next, {200, 200}, "GET /next", "", false},
    Conversation{"AbsoluteTarget", "GET http://x:1/a?b HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "GET /a", "", false},
    Conversation{"LeadingEmptyLine", "\r\nGET /a HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "GET /a", "", false},
    Conversation{"Close", "GET /a HTTP/1.1\r\nHost: x\r\nConnection: TE, close\r\n\r\n" + Next, {200}, "GET /a", "close", true},
    Conversation{"Http10", "GET /a HTTP/1.0\r\n\r\n" + Next, {200}, "GET /a", "close", true},
    Conversation{"Http10KeepAlive", "GET /a HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\nGET /b HTTP/1.0\r\nConnection: keep-alive\r\n\r\n",
                 {200, 200}, "GET /b", "keep-alive", false},
    // A body is never read, so never taken for a request either.
    Conversation{"Body", "POST /a HTTP/1.1\r\nHost: x\r\nContent-Length: 31, 31\r\nContent-Length: 31\r\n\r\n" + Next,
                 {200}, "POST /a", "close", true},
    Conversation{"Chunked", "POST /a HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n" + Next, {200}, "POST /a", "close", true},
    Conversation{"Unfinished", "GET /a HTTP/1.1\r\nHost: x\r\n", {}, "", "", true},
    // Each of these would let a proxy and this server see different requests in the same bytes.
    Conversation{"TwoLengths", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nContent-Length: 31\r\n\r\n" + Next, {400}, "", "close", true},
    Conversation{"SpaceBeforeColon", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length : 31\r\n\r\n" + Next, {400}, "", "close", true},
    Conversation{"SignedLength", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: +4\r\n\r\n", {400}, "", "close", true},
    Conversation{"LengthAndChunked", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\nTransfer-Encoding: chunked\r\n\r\n", {400}, "", "close", true},
    Conversation{"ChunkedInHttp10", "GET /a HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n", {400}, "", "close", true},
    Conversation{"FoldedLine", "GET /a HTTP/1.1\r\nHost: x\r\nX-A: b\r\n c\r\n\r\n", {400}, "", "close", true},
    Conversation{"BareCarriageReturn", "GET /a HTTP/1.1\r\nHost: x\rContent-Length: 4\r\n\r\n", {400}, "", "close", true},
    Conversation{"NoHost", "GET /a HTTP/1.1\r\n\r\n", {400}, "", "close", true},
    Conversation{"TwoHosts", "GET /a HTTP/1.1\r\nHost: x\r\nHost: y\r\n\r\n", {400}, "", "close", true},
    Conversation{"DoubleSpace", "GET  /a HTTP/1.1\r\nHost: x\r\n\r\n", {400}, "", "close", true},
    Conversation{"OtherScheme", "GET ftp://x/a HTTP/1.1\r\nHost: x\r\n\r\n", {400}, "", "close", true},
    Conversation{"Http2", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", {505}, "", "close", true},
    // Heads beyond the limit are refused as soon as they pass it, whatever may follow.
    Conversation{"LongRequestLine", "GET /" + Long + " HTTP/1.1\r\nHost: x\r\n\r\n", {414}, "", "close", true},
    Conversation{"LongUnfinishedRequestLine", "GET /" + Long + Long, {414}, "", "close", true},
    Conversation{"LongFields", "GET / HTTP/1.1\r\nHost: x\r\nX-A: " + Long + Long, {431}, "", "close", true},
    Conversation{"ManyFields", "GET / HTTP/1.1\r\nHost: x\r\n" + QByteArray("X-A: b\r\n").repeated(2100), {431}, "", "close", true},
    Conversation{"FieldsAtTheLimit", "GET / HTTP/1.1\r\nHost: x\r\n" + QByteArray("X-A: b\r\n").repeated(2000) + "\r\n",
                 {200}, "GET /", "", false}),
    [](const auto &info) { return std::string(info.param.name); });

// A client that sends far more than it reads gets every answer, in order, once it reads.
TEST_F(HttpServerTest, AnswersPipelinedRequestsInTheirOrder)
{
    start();
    RawHttpClient client(port);
    QByteArray requests = "GET /wait HTTP/1.1\r\nHost: x\r\n\r\n";
    for (int index = 0; index < 200; ++index)
        requests += "GET /big/" + QByteArray::number(index) + " HTTP/1.1\r\nHost: x\r\n\r\n";
    client.send(requests);
    EXPECT_TRUE(client.receive(1).isEmpty());
    ASSERT_EQ(waiting.size(), 1);
    server->answer(waiting[0], {200, {}, "waited"});

    const QList<HttpAnswer> answers = client.receive(201);
    ASSERT_EQ(answers.size(), 201);
    EXPECT_EQ(answers[0].body, "waited");
    for (int index = 0; index < 200; ++index)
        EXPECT_TRUE(answers[index + 1].body.endsWith(QByteArray("/big/" + QByteArray::number(index)))) << index;
}

// Idle connections, and heads sent byte by byte, cannot hold descriptors; clients that ask keep theirs.
TEST_F(HttpServerTest, ClosesConnectionsThatSendNoWholeRequestInTime)
{
    start(std::chrono::milliseconds(300));
    RawHttpClient idle(port);
    RawHttpClient trickling(port);
    RawHttpClient asking(port);
    trickling.send("GET /a HTTP/1.1\r\n");
    QElapsedTimer elapsed;
    elapsed.start();
    int asked = 0;
    while (elapsed.elapsed() < 1500) {
        trickling.send("X");
        asking.send("GET /a HTTP/1.1\r\nHost: x\r\n\r\n");
        asked = asking.receive(asked + 1).size();
        waitUntil([] { return false; }, std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(idle.isClosed());
    EXPECT_TRUE(trickling.isClosed());
    EXPECT_FALSE(asking.isClosed());
    EXPECT_GE(asked, 5);
    EXPECT_EQ(server->connectionCount(), 1);
}
