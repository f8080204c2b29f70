#include "FXHttpFetcher.h"

#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "TestData.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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

std::optional<FXFetchResult> fetched(FXFetcher &fetcher, const FXFetchRequest &request)
{
    QObject context;
    std::optional<FXFetchResult> result;
    fetcher.fetch(request, &context, [&](const FXFetchResult &answer) { result = answer; });
    const QDeadlineTimer deadline(30s);
    while (!result && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return result;
}

const QByteArray Rates = R"({"EUR": {"from_base": 0.8, "to_base": 1.25}})";
const QByteArray Limit(1024, 'x');   // as large a body as the scripted exchanges take

LoopbackResponse redirect(const QByteArray &location)
{
    return {.status = 302, .headers = "Location: " + location + "\r\n"};
}

struct Exchange {
    const char *name;
    LoopbackResponse response;
    std::optional<QByteArray> body;   // none when the fetch must fail
    const char *reason = "";          // how the reason ends
    int redirects = 0;                // asked through this many servers, each redirecting to the next
    std::optional<QUrl> url{};        // asked instead of the servers
};

void PrintTo(const Exchange &exchange, std::ostream *out) { *out << exchange.name; }

class HttpFetch : public ::testing::TestWithParam<Exchange> {};

TEST_P(HttpFetch, GivesTheBodyOrTheReason)
{
    const Exchange &exchange = GetParam();
    LoopbackHttpServer servers[7];
    servers[0].setResponse(exchange.response);
    for (int hop = 1; hop <= exchange.redirects; ++hop)
        servers[hop].setResponse(redirect(servers[hop - 1].url().toEncoded()));
    FXHttpFetcher fetcher;
    // A short deadline only where it is met: a loaded machine may take longer over the others.
    const std::chrono::milliseconds deadline = exchange.response.stalls ? 300ms : FXFetchRequest().deadline;
    const QUrl url = exchange.url.value_or(servers[exchange.redirects].url());
    const auto result = fetched(fetcher, {.url = url, .maximumBodySize = 1024, .deadline = deadline});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->body(), exchange.body.value_or(QByteArray()));
    EXPECT_EQ(result->isSuccess(), exchange.body.has_value());
    EXPECT_TRUE(exchange.body || result->failureReason().endsWith(QString::fromUtf8(exchange.reason)))
        << qPrintable(result->failureReason());
}

INSTANTIATE_TEST_SUITE_P(Scripted, HttpFetch, ::testing::Values(
    Exchange{"any 2xx status", {.status = 203, .body = Rates}, Rates},
    Exchange{"after five redirects", {.body = Rates}, Rates, "", 5},
    Exchange{"inflated", {.body = QByteArray::fromHex("1f8b08000000000002ffcbcf060047dddc7902000000"),
                          .headers = "Content-Encoding: gzip\r\n"}, "ok"},
    Exchange{"body of the limit", {.body = Limit, .announcesLength = false}, Limit},
    Exchange{"announced body of the limit", {.body = Limit}, Limit},
    Exchange{"not found", {.status = 404, .body = "no"}, std::nullopt, "HTTP 404"},
    Exchange{"too large, not sent", {.body = QByteArray(1025, 'x'), .closesAfter = 10}, std::nullopt,
             "response larger than 1 KiB"},
    Exchange{"stall", {.stalls = true}, std::nullopt, "timed out after 0.3 s"},
    Exchange{"body cut short", {.body = QByteArray(1000, 'x'), .closesAfter = 400}, std::nullopt,
             "connection closed before the whole response arrived"},
    Exchange{"damaged compression", {.body = "not gzip", .headers = "Content-Encoding: gzip\r\n"}, {},
             "the answer's compression is damaged or would inflate beyond any limit"},
    Exchange{"redirect without a target", {.status = 302}, std::nullopt, "HTTP 302 without a target"},
    Exchange{"redirect to data", redirect("data:text/xml,<Cube/>"), std::nullopt,
             "redirect to data:text/xml,%3CCube/%3E refused: not an HTTP address"},
    Exchange{"redirect loop", redirect("update.php"), std::nullopt, "/update.php refused: a redirect loop"},
    Exchange{"sixth redirect", {.body = Rates}, std::nullopt, "refused: more than 5 redirects", 6},
    Exchange{"refused", {}, std::nullopt, "connection refused", 0, LoopbackHttpServer::refusingUrl()},
    Exchange{"not HTTP", {}, std::nullopt, "not an HTTP address: ftp://h/a", 0, QUrl(u"ftp://h/a"_qs)},
    Exchange{"no host", {}, std::nullopt, "not an HTTP address: http:///a", 0, QUrl(u"http:///a"_qs)},
    Exchange{"no address", {}, std::nullopt, "not an HTTP address: ", 0, QUrl()}),
    ReadableName());

// A redirect back to plain HTTP, where anyone on the way could change the rates, is not followed.
TEST(HttpFetcher, NeverLeavesHttps)
{
    const QSslCertificate certificate(contents(QStringLiteral(CAMBIO_NETWORK_DATA "/loopback-cert.pem")));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(tls);   // which the fetcher trusts
    tls.setLocalCertificate(certificate);
    tls.setPrivateKey(QSslKey(contents(QStringLiteral(CAMBIO_NETWORK_DATA "/loopback-key.pem")), QSsl::Ec));
    LoopbackHttpServer plain;
    LoopbackHttpServer secureRedirect(tls);
    plain.setResponse({.body = Rates});
    secureRedirect.setResponse(redirect(plain.url().toEncoded()));
    FXHttpFetcher fetcher;
    EXPECT_EQ(fetched(fetcher, {.url = secureRedirect.url()}).value().failureReason(),
              u"redirect to " + plain.url().toString() + u" refused: it leaves HTTPS");
    EXPECT_TRUE(plain.requests().isEmpty());
}

// A source on loopback that answers one request with a body until the connection closes, as fast as
// the client takes it, 1 GiB at most. Counts the bytes that went out, and says when it is done.
class EndlessSource {
public:
    static constexpr qint64 Length = qint64(1) << 30;

    EndlessSource()
    {
        sockaddr_in address{
            .sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t length = sizeof(address);
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
        m_url = QUrl(QStringLiteral("http://127.0.0.1:%1/usd.json").arg(ntohs(address.sin_port)));
        m_thread = std::thread([this] { serve(); });
    }

    ~EndlessSource()
    {
        m_thread.join();
        ::close(m_listener);
    }

    QUrl url() const { return m_url; }
    qint64 sent() const { return m_sent; }
    bool done() const { return m_done; }

private:
    void serve()
    {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 20000) != 1)
            return;
        const int client = ::accept(m_listener, nullptr, nullptr);
        char request[4096];
        (void)::recv(client, request, sizeof(request), 0);
        const QByteArray head = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
        const QByteArray piece(64 * 1024, '1');
        // Bounded by its length; a client that stops reading closes the connection when it goes.
        bool open = ::send(client, head.constData(), head.size(), MSG_NOSIGNAL) == head.size();
        while (open && m_sent < Length) {
            const ssize_t written = ::send(client, piece.constData(), piece.size(), MSG_NOSIGNAL);
            open = written > 0;
            m_sent += std::max<ssize_t>(written, 0);
        }
        ::close(client);
        m_done = true;
    }

    const int m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QUrl m_url;
    std::atomic<qint64> m_sent = 0;
    std::atomic<bool> m_done = false;
    std::thread m_thread;
};

// Reading on to the end and then refusing would hold the whole body in memory first.
TEST(HttpFetcher, StopsReadingAnEndlessBodyAtTheCap)
{
    EndlessSource source;
    FXHttpFetcher fetcher;
    // A small cap: each 64 KiB waits for QtNetwork's thread, which a loaded machine keeps waiting.
    const auto result = fetched(fetcher, {.url = source.url(), .maximumBodySize = 256 * 1024});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failureReason(), QStringLiteral("response larger than 256 KiB"));
    // Past the cap go only the socket buffers and what QtNetwork's thread reads ahead meanwhile.
    EXPECT_LT(source.sent(), EndlessSource::Length);
}

// Quitting ends the fetch at once: the owner goes, the connection closes before the cap is read,
// and nothing is called back.
TEST(HttpFetcher, EndsWithItsOwner)
{
    EndlessSource source;
    FXHttpFetcher fetcher;
    auto owner = std::make_unique<QObject>();
    bool called = false;
    const qint64 cap = 64 << 20;
    fetcher.fetch({.url = source.url(), .maximumBodySize = cap}, owner.get(), [&](auto &) { called = true; });
    ASSERT_TRUE(runUntil([&] { return source.sent() > 0; }, 30s));
    owner.reset();
    EXPECT_TRUE(runUntil([&] { return source.done(); }, 60s));
    EXPECT_LT(source.sent(), cap);
    EXPECT_FALSE(called);
}

}
