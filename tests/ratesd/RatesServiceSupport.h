#pragma once

#include "FXClock.h"
#include "FXRatesHttpServer.h"
#include "FXRatesService.h"
#include "LoopbackHttpServer.h"
#include "TestData.h"

#include <QHash>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <csignal>

#include <sys/resource.h>

inline QByteArray fixture(const char *name)
{
    return contents(QStringLiteral(CAMBIO_RATESD_FIXTURES "/") + QString::fromLatin1(name));
}
// A genuine recorded answer of the public sources (../shared/data/real-rates, with its README).
QByteArray realRates(const char *name);
// Writes `bytes` to `path`, its folder made first, dated `modified` when that is valid.
void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified = {});
inline QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}
// The bank's answer for one day, in its own layout: `rates` like "<Cube currency='USD' rate='1.1'/>".
QByteArray ecbDay(const QDate &day, const QByteArray &rates);
// The currency API's answer for one day: `members` like R"("eur": 0.93)".
inline QByteArray apiDay(const QDate &day, const QByteArray &members)
{
    return R"({"date": ")" + day.toString(Qt::ISODate).toLatin1() + R"(", "usd": {)" + members + "}}";
}
// Runs the event loop, waiting for events, until `done` holds or `timeout` has passed; whether it holds.
bool waitUntil(const std::function<bool()> &done, std::chrono::milliseconds timeout = std::chrono::seconds(20));

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QHash<QByteArray, QByteArray> headers;   // names in lower case
};

// A client that speaks raw bytes to a server on this thread's event loop, as a hostile or an old
// client would.
class RawHttpClient {
public:
    explicit RawHttpClient(quint16 port) { m_socket.connectToHost(QHostAddress::LocalHost, port); }

    void send(const QByteArray &bytes) { m_socket.write(bytes); }
    // Runs the event loop until `answers` whole answers have come, the server has closed the
    // connection, or 10 s have passed; every answer received so far.
    QList<HttpAnswer> receive(int answers = 1);
    bool isClosed() const
    {
        return m_socket.state() == QAbstractSocket::UnconnectedState && m_socket.bytesAvailable() == 0;
    }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

// A rates service whose two live sources are loopback servers answering with the fixtures, over a
// small base table of its own, on a manual clock that starts on Sunday 2026-12-06 at noon UTC.
class RatesServiceTest : public ::testing::Test {
protected:
    RatesServiceTest();

    // Both sources (or the bank alone, or the currency API alone), the base table, a state folder
    // of the test's own, two-second fetches.
    FXServiceSettings settings(bool withEcb = true, bool withApi = true) const;
    FXServiceSettings ecbOnly() const { return settings(true, false); }
    FXServiceSettings apiOnly() const { return settings(false, true); }
    std::unique_ptr<FXRatesService> makeService(const FXServiceSettings &settings);
    // Starts the service and waits until its first fetches have ended.
    std::unique_ptr<FXRatesService> startedService(const FXServiceSettings &settings);

    // Runs the event loop until no fetch is under way.
    static void settle(const FXRatesService &service);
    // Moves the clock to `until`, letting every fetch that comes due on the way end.
    void advance(const FXRatesService &service, const QDateTime &until);
    bool logContains(const QString &text) const { return !log.filter(text).isEmpty(); }
    QString statePath(const QString &name = u"state.json"_qs) const
    {
        return folder.filePath(u"state/"_qs + name);
    }

    LoopbackHttpServer ecb;
    LoopbackHttpServer api;
    QTemporaryDir folder;
    QString basePath;
    FXManualClock clock;
    QStringList log;
};

// The HTTP server over such a service, listening on a loopback port, all on the test's thread.
class RatesHttpServerTest : public RatesServiceTest {
protected:
    // Serves `settings`, started unless `start` is false, and waits for the first fetches if so.
    void serve(const FXServiceSettings &settings, bool start = true,
               std::chrono::milliseconds holdLimit = std::chrono::seconds(15));
    // One request on a connection of its own, and the answer.
    HttpAnswer request(const QByteArray &method, const QString &path, const QByteArray &ifModifiedSince = {}) const;

    std::unique_ptr<FXRatesService> service;
    std::unique_ptr<FXRatesHttpServer> server;
    quint16 port = 0;
};

// Writes fail past `bytes` with EFBIG, as on a full disk, while this lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit limit{bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_previous{};
};
