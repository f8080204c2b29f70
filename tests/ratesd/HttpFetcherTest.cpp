#include "FXHttpFetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qint64 Endless = qint64(1) << 30;

enum class Sending { Plain, Chunked, Nothing };

// A source on loopback that answers one request with a body as large as the client will take, as
// fast as it takes it: 1 GiB at most, for 20 s at most. Counts the bytes that went out. Sending
// nothing, it waits after the head until the client goes.
class EndlessSource {
public:
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
        if (sending == Sending::Nothing) {
            pollfd gone{client, POLLIN, 0};
            ::poll(&gone, 1, 20000);
            open = false;
        }
        while (open && m_sent < Endless && elapsed.elapsed() < 20000) {
            const ssize_t written = ::send(client, body.constData(), body.size(), MSG_NOSIGNAL);
            open = written > 0;
            m_sent += std::max<ssize_t>(written, 0);
        }
        ::close(client);
    }

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<qint64> m_sent = 0;
    std::thread m_thread;
};

struct Body {
    const char *name;
    const char *head;
    Sending sending;
};

void PrintTo(const Body &body, std::ostream *out) { *out << body.name; }

}

class EndlessBody : public ::testing::TestWithParam<Body> {};

// Reading on to the end and then refusing would hold the whole body in memory first.
TEST_P(EndlessBody, StopsBeingReadAtTheCap)
{
    EndlessSource source(GetParam().head, GetParam().sending);
    QNetworkAccessManager network;
    FXHttpFetcher fetcher(network, std::chrono::seconds(5));
    QObject context;
    std::optional<FXFetchResult> result;
    fetcher.get(source.url(), &context, [&](const FXFetchResult &fetched) { result = fetched; });
    QElapsedTimer elapsed;
    elapsed.start();
    while (!result && elapsed.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failureReason(), QStringLiteral("answer larger than 4 MiB"));
    // The cap, and what the system's socket buffers held on the way (some 10 MiB at most with
    // Linux's defaults).
    EXPECT_LT(source.sent(), 16 * 1024 * 1024);
}

INSTANTIATE_TEST_SUITE_P(Sources, EndlessBody, ::testing::Values(
    Body{"Announced", "HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n\r\n", Sending::Plain},
    // Refused by its head alone, rather than after the deadline.
    Body{"AnnouncedOnly", "HTTP/1.1 200 OK\r\nContent-Length: 4194305\r\n\r\n", Sending::Nothing},
    Body{"Chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", Sending::Chunked},
    Body{"UntilClosed", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n", Sending::Plain}),
    [](const auto &info) { return std::string(info.param.name); });
