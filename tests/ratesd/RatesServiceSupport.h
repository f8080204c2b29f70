#pragma once

#include "FXClock.h"
#include "FXRatesService.h"
#include "LoopbackHttpServer.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <csignal>

#include <sys/resource.h>

QByteArray fixture(const char *name);
// A genuine recorded answer of the public sources (../shared/data/real-rates, with its README).
QByteArray realRates(const char *name);

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QHash<QByteArray, QByteArray> headers;   // names in lower case
};

// Sends one request to 127.0.0.1:`port` and runs the event loop until the answer is in.
HttpAnswer httpRequest(quint16 port, const QByteArray &method, const QString &path,
                       const QByteArray &ifModifiedSince = {});

// A rates service whose two live sources are loopback servers answering with the fixtures, over a
// small base table of its own, on a manual clock that starts on Sunday 2026-12-06 at noon UTC.
class RatesServiceTest : public ::testing::Test {
protected:
    RatesServiceTest();

    // Both sources on, the base table, a state folder of the test's own, two-second fetches.
    FXServiceSettings settings() const;
    std::unique_ptr<FXRatesService> makeService(const FXServiceSettings &settings);
    // Starts the service and waits until its first fetches have ended.
    std::unique_ptr<FXRatesService> startedService(const FXServiceSettings &settings);

    // Runs the event loop until no fetch is under way.
    static void settle(const FXRatesService &service);
    // Moves the clock to `until`, letting every fetch that comes due on the way end.
    void advance(const FXRatesService &service, const QDateTime &until);
    bool logContains(const QString &text) const;

    LoopbackHttpServer ecb;
    LoopbackHttpServer api;
    QTemporaryDir folder;
    QString basePath;
    FXManualClock clock;
    QStringList log;
};

// A client that speaks raw bytes to a server on this thread's event loop, as a hostile or an old
// client would.
class RawHttpClient {
public:
    explicit RawHttpClient(quint16 port);

    void send(const QByteArray &bytes);
    // Runs the event loop until `answers` whole answers have come, the server has closed the
    // connection, or 10 s have passed; every whole answer received so far.
    QList<HttpAnswer> receive(int answers = 1);
    bool isClosed() const;

private:
    static QList<HttpAnswer> split(const QByteArray &bytes);

    QTcpSocket m_socket;
    QByteArray m_received;
};

// Writes fail past `bytes` with EFBIG, as on a full disk, while this lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};
