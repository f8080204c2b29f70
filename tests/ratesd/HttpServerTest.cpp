#include "FXHttpServer.h"
#include "RatesServiceSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

namespace {

struct Conversation {
    const char *name;
    QByteArray bytes;
    QList<int> statuses;
    const char *connectionHeader;   // of the last answer
    bool closes;
};

void PrintTo(const Conversation &conversation, std::ostream *out) { *out << conversation.name; }

const QByteArray Long(FXHttpRequestReader::maximumHeadSize + 1, 'a');

}

// The server on the test's thread, answering each path with its own name, "/big/..." with 8 KiB
// more, and leaving "/wait" for the test to answer.
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
            return FXHttpAnswer{200, {}, padding + request.path.toByteArray()};
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

TEST_P(HttpConversation, EndsTheConnectionWhenHttpSays)
{
    start();
    const Conversation &conversation = GetParam();
    RawHttpClient client(port);
    client.send(conversation.bytes);
    // One answer more than expected is only waited for until the server closes.
    const QList<HttpAnswer> answers = client.receive(conversation.statuses.size() + (conversation.closes ? 1 : 0));
    QList<int> statuses;
    for (const HttpAnswer &answer : answers)
        statuses.append(answer.status);
    EXPECT_EQ(statuses, conversation.statuses);
    ASSERT_FALSE(answers.isEmpty());
    EXPECT_EQ(answers.last().headers.value("connection"), QByteArray(conversation.connectionHeader));
    EXPECT_EQ(client.isClosed(), conversation.closes);
}

INSTANTIATE_TEST_SUITE_P(Requests, HttpConversation, ::testing::Values(
    Conversation{"KeepAlive", "GET /a HTTP/1.1\r\nHost: x\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\n\r\n", {200, 200}, "", false},
    Conversation{"Close", "GET /a HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "close", true},
    Conversation{"Http10", "GET /a HTTP/1.0\r\n\r\n", {200}, "close", true},
    Conversation{"Http10KeepAlive", "GET /a HTTP/1.0\r\nConnection: keep-alive\r\n\r\nGET /b HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", {200, 200}, "keep-alive", false},
    // A body is never read, so never taken for a request either.
    Conversation{"Body", "POST /a HTTP/1.1\r\nHost: x\r\nContent-Length: 34\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "close", true},
    Conversation{"TwoLengths", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nContent-Length: 34\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\n\r\n", {400}, "close", true},
    Conversation{"LongRequestLine", "GET /" + Long + Long, {414}, "close", true},
    Conversation{"LongFields", "GET / HTTP/1.1\r\nHost: x\r\nX-A: " + Long + Long, {431}, "close", true}),
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
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 50)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_TRUE(idle.isClosed());
    EXPECT_TRUE(trickling.isClosed());
    EXPECT_FALSE(asking.isClosed());
    EXPECT_GE(asked, 5);
    EXPECT_EQ(server->connectionCount(), 1);
}
