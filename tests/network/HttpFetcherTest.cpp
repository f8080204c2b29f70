#include "FXHttpFetcher.h"

#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "ScopedEnvironment.h"
#include "TestData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSslKey>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Fetches on this thread's event loop and waits for the answer, 30 s at most.
std::optional<FXFetchResult> fetched(FXFetcher &fetcher, const FXFetchRequest &request)
{
    QObject context;
    std::optional<FXFetchResult> result;
    fetcher.fetch(request, &context, [&](const FXFetchResult &answer) { result = answer; });
    QElapsedTimer elapsed;
    elapsed.start();
    while (!result && elapsed.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return result;
}

const QByteArray Rates = R"({"EUR": {"from_base": 0.8, "to_base": 1.25}})";
const QByteArray GzippedRates = QByteArray::fromHex(
    "1f8b0800000000000003ab56720d0d52b252a8564a2bcacf8d4f4a2c4e05f20cf42c7414944af2617c433d23d3da5a00b4f869e32c000000");
const QByteArray TwiceGzippedRates = QByteArray::fromHex(
    "1f8b080000000000000393efe6600003e6d56145bcbc419b82568479699f3adfebefa5e3c7fa89e78b4e89c814af4f8935ceb6ca976f4531"
    "6cf991f95807a80300366e5e6038000000");

LoopbackResponse answer(int status, const QByteArray &body, const QByteArray &headers = {})
{
    return {.status = status, .body = body, .headers = headers};
}

LoopbackResponse unannounced(const QByteArray &body)
{
    return {.body = body, .announcesLength = false};
}

LoopbackResponse redirect(const QByteArray &location)
{
    return answer(302, {}, "Location: " + location + "\r\n");
}

struct Exchange {
    const char *name;
    LoopbackResponse response;
    std::optional<QByteArray> body;   // none when the fetch must fail
    const char *reason = "";          // how the reason ends
    // Asked through this many servers, each redirecting to the next.
    int redirects = 0;
};

void PrintTo(const Exchange &exchange, std::ostream *out) { *out << exchange.name; }

class HttpFetch : public ::testing::TestWithParam<Exchange> {};

TEST_P(HttpFetch, GivesTheBodyOrTheReason)
{
    const Exchange &exchange = GetParam();
    std::vector<std::unique_ptr<LoopbackHttpServer>> servers;
    for (int hop = 0; hop <= exchange.redirects; ++hop) {
        servers.push_back(std::make_unique<LoopbackHttpServer>());
        servers.back()->setResponse(hop == 0 ? exchange.response : redirect(servers.at(hop - 1)->url().toEncoded()));
    }
    FXHttpFetcher fetcher;

    // A short deadline only where it is met: a loaded machine may take longer over the others.
    const std::chrono::milliseconds deadline = exchange.response.stalls ? 300ms : FXFetchRequest().deadline;
    const auto result = fetched(fetcher, {.url = servers.back()->url(), .maximumBodySize = 1024, .deadline = deadline});

    ASSERT_TRUE(result);
    ASSERT_EQ(result->isSuccess(), exchange.body.has_value()) << qPrintable(result->failureReason());
    EXPECT_EQ(result->body(), exchange.body.value_or(QByteArray()));
    if (!exchange.body) {
        EXPECT_TRUE(result->failureReason().endsWith(QString::fromUtf8(exchange.reason))) << qPrintable(result->failureReason());
    }
}

INSTANTIATE_TEST_SUITE_P(Scripted, HttpFetch, ::testing::Values(
    Exchange{"any 2xx status", answer(203, Rates), Rates},
    Exchange{"after five redirects", answer(200, Rates), Rates, "", 5},
    Exchange{"inflated once", answer(200, TwiceGzippedRates, "Content-Encoding: gzip\r\n"), GzippedRates},
    Exchange{"body of exactly the limit", unannounced(QByteArray(1024, 'x')), QByteArray(1024, 'x')},
    Exchange{"announced body of exactly the limit", answer(200, QByteArray(1024, 'x')), QByteArray(1024, 'x')},
    Exchange{"not found", answer(404, "no"), std::nullopt, "HTTP 404"},
    Exchange{"error page too large", answer(500, QByteArray(2048, 'x')), std::nullopt, "HTTP 500"},
    Exchange{"too large, size announced", answer(200, QByteArray(1025, 'x')), std::nullopt, "response larger than 1 KiB"},
    Exchange{"too large, size unannounced", unannounced(QByteArray(1025, 'x')), std::nullopt, "response larger than 1 KiB"},
    Exchange{"damaged compression", answer(200, "not gzip", "Content-Encoding: gzip\r\n"), std::nullopt,
             "the answer's compression is damaged or would inflate beyond any limit"},
    Exchange{"stall", {.stalls = true}, std::nullopt, "timed out after 0.3 s"},
    Exchange{"body cut short", {.body = QByteArray(1000, 'x'), .closesAfter = 400}, std::nullopt,
             "connection closed before the whole response arrived"},
    Exchange{"redirect without a target", answer(302, {}), std::nullopt, "HTTP 302 without a target"},
    Exchange{"redirect to a file", redirect("file:///etc/passwd"), std::nullopt,
             "redirect to file:///etc/passwd refused: not an HTTP address"},
    Exchange{"redirect to data", redirect("data:text/xml,<Cube/>"), std::nullopt,
             "redirect to data:text/xml,%3CCube/%3E refused: not an HTTP address"},
    Exchange{"redirect loop", redirect("update.php"), std::nullopt, "/update.php refused: a redirect loop"},
    Exchange{"sixth redirect", answer(200, Rates), std::nullopt, "/update.php refused: more than 5 redirects", 6}),
    ReadableName());

// The loopback server's certificate and key, which this process trusts from the first call on.
QSslConfiguration loopbackTls()
{
    static const QSslConfiguration server = [] {
        const QString data = QStringLiteral(CAMBIO_NETWORK_TEST_DATA);
        const QSslCertificate certificate(contents(data + u"/loopback-cert.pem"));
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate);
        tls.setPrivateKey(QSslKey(contents(data + u"/loopback-key.pem"), QSsl::Ec));
        return tls;
    }();
    return server;
}

// An answer over HTTPS keeps its rates behind redirects that stay on HTTPS, and never follows one
// back to plain HTTP, where anyone on the way could change the rates.
TEST(HttpFetcher, NeverLeavesHttps)
{
    LoopbackHttpServer plain;
    LoopbackHttpServer secure(loopbackTls());
    LoopbackHttpServer secureRedirect(loopbackTls());
    plain.setResponse(answer(200, Rates));
    secure.setResponse(answer(200, Rates));
    FXHttpFetcher fetcher;

    secureRedirect.setResponse(redirect(secure.url().toEncoded()));
    const auto staying = fetched(fetcher, {.url = secureRedirect.url()});
    ASSERT_TRUE(staying);
    EXPECT_EQ(staying->body(), Rates) << qPrintable(staying->failureReason());

    secureRedirect.setResponse(redirect(plain.url().toEncoded()));
    const auto leaving = fetched(fetcher, {.url = secureRedirect.url()});
    ASSERT_TRUE(leaving);
    EXPECT_EQ(leaving->failureReason(), u"redirect to " + plain.url().toString() + u" refused: it leaves HTTPS");
    EXPECT_TRUE(plain.requests().isEmpty());
}

TEST(HttpFetcher, RefusesWhatItCannotAsk)
{
    FXHttpFetcher fetcher;
    EXPECT_EQ(fetched(fetcher, {.url = LoopbackHttpServer::refusingUrl()})->failureReason(), u"connection refused");
    for (const char *address :
         {"", "ftp://127.0.0.1/rates.json", "file:///etc/passwd", "localhost:8642/lab", "http:///rates.json"}) {
        const QString reason = fetched(fetcher, {.url = QUrl(QString::fromUtf8(address))})->failureReason();
        EXPECT_TRUE(reason.startsWith(u"not an HTTP address")) << address;
    }
}

// A report is posted with its type, through the proxy that the environment names.
TEST(HttpFetcher, PostsThroughTheProxyOfTheEnvironment)
{
    LoopbackHttpServer proxy;
    proxy.setResponse(answer(200, "thanks"));
    const ScopedEnvironment httpProxy("http_proxy", proxy.url(QString()).toString().toUtf8());
    const ScopedEnvironment noProxy("no_proxy", std::nullopt);
    const ScopedEnvironment noProxyUpper("NO_PROXY", std::nullopt);
    FXHttpFetcher fetcher;

    const auto result = fetched(fetcher, {.url = QUrl(QStringLiteral("http://rates.invalid/crashes")),
                                          .contentType = "text/plain", .postedBody = "report"});

    EXPECT_TRUE(result && result->isSuccess());
    ASSERT_EQ(proxy.requests().size(), 1);
    EXPECT_TRUE(proxy.requests().first().startsWith("POST http://rates.invalid/crashes "));
    EXPECT_TRUE(proxy.requests().first().contains("Content-Type: text/plain\r\n"));
}

enum class Sending { Plain, Chunked, Nothing };

// A source on loopback that answers one request with a body as large as the client will take, as
// fast as it takes it: 1 GiB at most, for 20 s at most. Counts the bytes that went out. Sending
// nothing, it waits after the head until the client goes.
class EndlessSource {
public:
    static constexpr qint64 Length = qint64(1) << 30;

    explicit EndlessSource(QByteArray head, Sending sending)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof(address));
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this, head, sending] { serve(head, sending); });
    }

    ~EndlessSource()
    {
        m_thread.join();
        ::close(m_listener);
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/usd.json").arg(m_port)); }
    qint64 sent() const { return m_sent; }
    bool answered() const { return m_answered; }
    // Sending nothing: whether the client closed the connection.
    bool clientGone() const { return m_clientGone; }

private:
    void serve(const QByteArray &head, Sending sending)
    {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 20000) != 1)
            return;
        const int client = ::accept(m_listener, nullptr, nullptr);
        char request[4096];
        (void)::recv(client, request, sizeof(request), 0);
        const QByteArray piece(64 * 1024, '1');
        const QByteArray chunk = QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
        const QByteArray &body = sending == Sending::Chunked ? chunk : piece;
        QElapsedTimer elapsed;
        elapsed.start();
        bool open = ::send(client, head.constData(), head.size(), MSG_NOSIGNAL) == head.size();
        m_answered = true;
        if (sending == Sending::Nothing) {
            pollfd gone{client, POLLIN, 0};
            char byte;
            m_clientGone = ::poll(&gone, 1, 20000) == 1 && ::recv(client, &byte, 1, 0) <= 0;
            open = false;
        }
        while (open && m_sent < Length && elapsed.elapsed() < 20000) {
            const ssize_t written = ::send(client, body.constData(), body.size(), MSG_NOSIGNAL);
            open = written > 0;
            m_sent += std::max<ssize_t>(written, 0);
        }
        ::close(client);
    }

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<qint64> m_sent = 0;
    std::atomic<bool> m_answered = false;
    std::atomic<bool> m_clientGone = false;
    std::thread m_thread;
};

// Quitting ends the fetch at once, the connection closed: the owner or the fetcher goes, and
// nothing is called back.
TEST(HttpFetcher, EndsWithItsContextOrItself)
{
    for (bool fetcherGoes : {false, true}) {
        EndlessSource source("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n", Sending::Nothing);
        auto fetcher = std::make_unique<FXHttpFetcher>();
        auto context = std::make_unique<QObject>();
        bool called = false;
        fetcher->fetch({.url = source.url()}, context.get(), [&](const FXFetchResult &) { called = true; });
        ASSERT_TRUE(runUntil([&] { return source.answered(); }));
        fetcherGoes ? fetcher.reset() : context.reset();
        EXPECT_TRUE(runUntil([&] { return source.clientGone(); })) << fetcherGoes;
        EXPECT_FALSE(called);
    }
}

struct Body {
    const char *name;
    const char *head;
    Sending sending;
};

void PrintTo(const Body &body, std::ostream *out) { *out << body.name; }

class EndlessBody : public ::testing::TestWithParam<Body> {};

// Reading on to the end and then refusing would hold the whole body in memory first.
TEST_P(EndlessBody, StopsBeingReadAtTheCap)
{
    EndlessSource source(GetParam().head, GetParam().sending);
    FXHttpFetcher fetcher;
    // A small cap: every 64 KiB taken asks QtNetwork's thread for the next, and a loaded machine
    // can take a while over each of those turns.
    const auto result = fetched(fetcher, {.url = source.url(), .maximumBodySize = 256 * 1024});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failureReason(), QStringLiteral("response larger than 256 KiB"));
    // Cut before the source's end. Past the cap go the socket buffers (some 10 MiB), and what
    // QtNetwork's own thread reads ahead of a chunked body for as long as this thread is kept from
    // running: on a loaded machine, seconds and hundreds of MiB.
    EXPECT_LT(source.sent(), EndlessSource::Length);
}

INSTANTIATE_TEST_SUITE_P(Sources, EndlessBody, ::testing::Values(
    Body{"Announced", "HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n\r\n", Sending::Plain},
    // Refused by its head alone, rather than after the deadline.
    Body{"AnnouncedOnly", "HTTP/1.1 200 OK\r\nContent-Length: 262145\r\n\r\n", Sending::Nothing},
    Body{"Chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", Sending::Chunked},
    Body{"UntilClosed", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n", Sending::Plain}),
    [](const auto &info) { return std::string(info.param.name); });

}
