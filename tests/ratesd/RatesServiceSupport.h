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
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

inline QByteArray fixture(const char *name)
{
    return contents(QStringLiteral(CAMBIO_RATESD_FIXTURES "/") + QString::fromLatin1(name));
}
// A genuine recorded answer of the public sources (../shared/data/real-rates, with its README).
inline QByteArray realRates(const char *name)
{
    return contents(QStringLiteral(CAMBIO_REAL_RATES "/") + QString::fromLatin1(name));
}
// Writes `bytes` to `path`, its folder made first, dated `modified` when that is valid.
void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified = {});
inline QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}
// The bank's answer for one day: `rates` like "<Cube currency='USD' rate='1.1'/>".
QByteArray ecbDay(const QDate &day, const QByteArray &rates);
// The currency API's answer for one day: `members` like R"("eur": 0.93)".
inline QByteArray apiDay(const QDate &day, const QByteArray &members)
{
    return R"({"date": ")" + day.toString(Qt::ISODate).toLatin1() + R"(", "usd": {)" + members + "}}";
}
// How long a test waits for the service, on a loaded machine.
constexpr std::chrono::seconds Patience{20};

struct HttpAnswer {
    int status = 0;
    QByteArray body;
    QHash<QByteArray, QByteArray> headers;   // names in lower case
};

// Raw bytes to a server on this thread's event loop, as a hostile or an old client would send.
class RawHttpClient {
public:
    explicit RawHttpClient(quint16 port) { m_socket.connectToHost(QHostAddress::LocalHost, port); }

    void send(const QByteArray &bytes) { m_socket.write(bytes); }
    // The answers received once `answers` have come, the server has closed, or 10 s have passed.
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

    // Both sources (or either alone), the base table, a state folder of the test's own.
    FXServiceSettings settings(bool withEcb = true, bool withApi = true) const;
    FXServiceSettings ecbOnly() const { return settings(true, false); }
    FXServiceSettings apiOnly() const { return settings(false, true); }
    std::unique_ptr<FXRatesService> makeService(const FXServiceSettings &settings);
    // Started, once its first fetches have ended.
    std::unique_ptr<FXRatesService> startedService(const FXServiceSettings &settings);

    static void settle(const FXRatesService &service)
    {
        EXPECT_TRUE(runUntil([&service] { return !service.isFetching(); }, Patience));
    }
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
    void serve(const FXServiceSettings &settings, bool start = true);
    // One request on a connection of its own, and the answer.
    HttpAnswer request(const QByteArray &method, const QString &path, const QByteArray &ifModifiedSince = {}) const;

    std::unique_ptr<FXRatesService> service;
    std::unique_ptr<FXRatesHttpServer> server;
    quint16 port = 0;
};
