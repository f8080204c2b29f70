#pragma once

#include "FXHttpRequestReader.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// An answer to one request. The server adds Content-Length and, when it ends the connection,
// "Connection: close"; a HEAD request gets the head alone.
struct FXHttpAnswer {
    int status = 200;
    QByteArray headers;   // "Name: value\r\n" lines
    QByteArray body;
};

// An HTTP/1.1 server for small answers that is meant to face the open network. It answers the
// requests of a connection one after another, in their order, also when one of them has to wait
// for its answer; it never reads a body, and ends the connection after a request that sends one,
// after HTTP/1.0 without keep-alive, after "Connection: close" and after a head it refuses. A
// connection that takes longer than `timeout` to send a head or take an answer is closed, and one
// that sends more than it reads stops being read. Connections take all descriptors but a few,
// which the rest of the process keeps; beyond that, the connection that has waited longest for a
// request makes room for a new one, and without such a connection the server stops accepting for
// a moment.
//
// Runs on the thread that made it, in its event loop, on one epoll set: no thread of its own.
class FXHttpServer : public QObject {
    Q_OBJECT

public:
    // The answer to `request` now, or none to answer it later through answer(): the connection
    // waits and reads nothing more until then. Views of the request live only during the call.
    using Handler = std::function<std::optional<FXHttpAnswer>(const FXHttpRequest &request)>;

    static constexpr std::chrono::milliseconds defaultTimeout{5000};

    explicit FXHttpServer(Handler handler, std::chrono::milliseconds timeout = defaultTimeout,
                          QObject *parent = nullptr);
    ~FXHttpServer() override;

    // False with the reason when the address cannot be had.
    bool listen(const QHostAddress &address, quint16 port, QString *error);
    // Takes over a socket that already listens, as systemd passes them.
    bool adopt(int descriptor, QString *error);
    // Where the server listens, one entry per socket, the port as the system chose it.
    QList<std::pair<QHostAddress, quint16>> addresses() const;

    // Answers the request that the handler left waiting on `connection`; nothing when that
    // connection has closed since.
    void answer(quint64 connection, const FXHttpAnswer &answer);
    qsizetype connectionCount() const { return qsizetype(m_connections.size()); }

private:
    struct Connection;
    using Clock = std::chrono::steady_clock;
    // What becomes of the connection after an answer; HTTP/1.0 clients are told that it stays.
    enum class Persistence { Keep, KeepAnnounced, Close };

    void processEvents();
    void accept(int listener);
    void pauseAccepting();
    void resumeAccepting();
    bool closeLongestWaiting();
    void receive(Connection &connection);
    // Answers the requests at the start of `bytes` while it may, and keeps the rest for later.
    void serve(Connection &connection, QByteArrayView bytes);
    void queueAnswer(Connection &connection, const FXHttpAnswer &answer, bool head, Persistence persistence);
    // Sends what the socket takes now. False when that closed the connection.
    bool flush(Connection &connection);
    // Sends, and answers what waits in the input while the answers go out; then settles.
    void advance(Connection &connection);
    // Ends a connection that is done, or watches it for what it waits for.
    void settle(Connection &connection);
    void finish(Connection &connection);
    void watch(Connection &connection);
    void close(quint64 id);
    void closeExpired();

    Handler m_handler;
    std::chrono::milliseconds m_timeout;
    int m_epoll = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::vector<int> m_listeners;
    QTimer m_acceptPause;
    qsizetype m_maximumConnections = std::numeric_limits<qsizetype>::max();   // the descriptors allow no more
    QTimer m_expiry;
    std::unordered_map<quint64, std::unique_ptr<Connection>> m_connections;
    std::vector<std::unique_ptr<Connection>> m_closed;   // closed while a caller may still hold them
    QTimer m_dropClosed;
    quint64 m_lastId = 0;
};
