#include "FXHttpServer.h"
#include "RatesServiceSupport.h"

namespace {

struct Conversation {
    QByteArray bytes;
    QList<int> statuses;
    const char *lastRequest;  // "METHOD /path" that the last answer was for, or ""
    const char *connection;   // the last answer's Connection header
    bool closes;
};

const QByteArray Long(FXHttpRequestReader::maximumHeadSize, 'a');
const QByteArray Next = "GET /next HTTP/1.1\r\nHost: x\r\n\r\n";

}

TEST(HttpConversation, IsAnsweredAndEndedAsHttpSays)
{
    const Conversation conversations[] = {
        {"GET /a?b=c HTTP/1.1\r\nHost: x\r\n\r\n" + Next, {200, 200}, "GET /next", "", false},
        {"GET http://x:1/a?b HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "GET /a", "", false},
        {"\r\nGET /a HTTP/1.1\r\nHost: x\r\n\r\n", {200}, "GET /a", "", false},
        {"GET /a HTTP/1.1\r\nHost: x\r\nConnection: TE, close\r\n\r\n" + Next,
         {200}, "GET /a", "close", true},
        {"GET /a HTTP/1.0\r\n\r\n" + Next, {200}, "GET /a", "close", true},
        {"GET /a HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\nGET /b HTTP/1.0\r\nConnection: keep-alive\r\n\r\n",
         {200, 200}, "GET /b", "keep-alive", false},
        // A body is never read, so never taken for a request either.
        {"POST /a HTTP/1.1\r\nHost: x\r\nContent-Length: 31, 31\r\nContent-Length: 31\r\n\r\n" + Next,
         {200}, "POST /a", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\r\n", {}, "", "", true},
        // Each of these would let a proxy and this server see different requests in the same bytes.
        {"GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nContent-Length: 31\r\n\r\n" + Next,
         {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\r\nContent-Length : 31\r\n\r\n" + Next, {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: +4\r\n\r\n", {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\nTransfer-Encoding: chunked\r\n\r\n",
         {400}, "", "close", true},
        {"GET /a HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n", {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\rContent-Length: 4\r\n\r\n", {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\n\r\n", {400}, "", "close", true},
        {"GET /a HTTP/1.1\r\nHost: x\r\nHost: y\r\n\r\n", {400}, "", "close", true},
        {"GET  /a HTTP/1.1\r\nHost: x\r\n\r\n", {400}, "", "close", true},
        {"GET ftp://x/a HTTP/1.1\r\nHost: x\r\n\r\n", {400}, "", "close", true},
        {"PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", {505}, "", "close", true},
        // Heads beyond the limit are refused as soon as they pass it, whatever may follow.
        {"GET /" + Long + " HTTP/1.1\r\nHost: x\r\n\r\n", {414}, "", "close", true},
        {"GET /" + Long + Long, {414}, "", "close", true},
        {"GET / HTTP/1.1\r\nHost: x\r\nX-A: " + Long + Long, {431}, "", "close", true},
        {"GET / HTTP/1.1\r\nHost: x\r\n" + QByteArray("X-A: b\r\n").repeated(2000) + "\r\n",
         {200}, "GET /", "", false}};
    // Answers each request with its method and path.
    FXHttpServer server([](const FXHttpRequest &request) -> std::optional<FXHttpAnswer> {
        if (request.refusedStatus)
            return FXHttpAnswer{request.refusedStatus, {}, request.refusal};
        return FXHttpAnswer{200, {}, request.method.toByteArray() + ' ' + request.path.toByteArray()};
    }, std::chrono::milliseconds(500));
    QString error;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0, &error)) << error.toStdString();
    for (const Conversation &conversation : conversations) {
        SCOPED_TRACE(conversation.bytes.left(80).constData());
        RawHttpClient client(server.addresses().value(0).second);
        client.send(conversation.bytes);
        // One answer more than expected is only waited for until the server closes.
        const auto answers = client.receive(int(conversation.statuses.size()) + conversation.closes);
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
}
