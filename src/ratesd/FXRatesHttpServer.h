#pragma once

#include "FXHttpServer.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class FXClock;
class FXRatesService;
struct FXServedTable;

// The HTTP face of the rates server:
//   GET /lab/lumenfold/update.php  the table as JSON, with Last-Modified (the date of its data) and
//                                  Cache-Control; 304 to a matching If-Modified-Since; 503 with
//                                  the reason as JSON once the table is no longer current, so
//                                  that clients keep their own table and its date.
//   GET /lab/lumenfold/history.php?currency=EUR&from=2025-12-07&to=2026-12-07
//                                  the daily history of a currency as JSON: {"currency": "EUR",
//                                  "base": "USD", "rates": [["2025-12-08", 0.9123], ...]}, the rate
//                                  from the dollar of every day held between the two dates (both
//                                  included, ten years at most). Several currencies
//                                  (currency=EUR,JPY) give an array of such objects, in the order
//                                  asked. 400 with the reason for a query that cannot be answered,
//                                  404 for a currency of which nothing is held.
//   GET /healthz                   each source's state as JSON; 503 while the table is not current.
//                                  The sources' addresses and the base file only to clients on
//                                  this machine: an address may carry a key, and is nobody else's.
// HEAD answers as GET without the body; other methods of HTTP on these paths 405, other paths 404,
// methods that HTTP does not know 501. Errors are JSON objects with an "error".
//
// A request that would get a 503 while the sources' first fetches are still under way waits for
// them, at most `holdLimit`: the very first refresh of a new user then gets live rates.
class FXRatesHttpServer : public QObject {
    Q_OBJECT

public:
    static QString updatePath() { return QStringLiteral("/lab/lumenfold/update.php"); }
    static QString historyPath() { return QStringLiteral("/lab/lumenfold/history.php"); }
    static QString healthPath() { return QStringLiteral("/healthz"); }

    FXRatesHttpServer(FXRatesService &service, FXClock &clock,
                      std::chrono::milliseconds holdLimit = std::chrono::seconds(15),
                      std::chrono::milliseconds timeout = FXHttpServer::defaultTimeout, QObject *parent = nullptr);
    ~FXRatesHttpServer() override;

    // Where it listens and takes connections.
    FXHttpServer &http() { return m_http; }
    // The answer to one request, as the HTTP server asks for it; none when the request waits.
    std::optional<FXHttpAnswer> answer(const FXHttpRequest &request);

signals:
    void requestReceived();

private:
    struct HeldRequest {
        quint64 connection;
        QByteArray ifModifiedSince;
    };

    FXHttpAnswer updateAnswer(QByteArrayView ifModifiedSince);
    FXHttpAnswer historyAnswer(QByteArrayView query);
    FXHttpAnswer healthAnswer(bool fromLoopback);
    FXHttpAnswer errorAnswer(int status, const QString &message, const QByteArray &headers = {});
    const QByteArray &dateHeader();
    void answerHeldRequests();

    FXRatesService &m_service;
    FXClock &m_clock;
    FXHttpServer m_http;
    std::chrono::milliseconds m_holdLimit;
    std::vector<HeldRequest> m_held;
    QTimer m_holdTimer;
    // Made once a second, and once for each table, rather than for every request.
    qint64 m_dateSecond = -1;
    QByteArray m_dateHeader;
    std::shared_ptr<const FXServedTable> m_headersTable;
    qint64 m_headersSecond = -1;  // of the date in m_answerHeaders
    QByteArray m_tableHeaders;    // Last-Modified and Cache-Control of m_headersTable
    QByteArray m_answerHeaders;   // all the headers of the table's 200 answer
};
