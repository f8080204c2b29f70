#pragma once

#include <QByteArray>
#include <QList>
#include <QSslConfiguration>
#include <QString>
#include <QThread>
#include <QUrl>

#include <optional>

// How the server answers each request from now on.
struct LoopbackResponse {
    int status = 200;
    QByteArray body{};
    // Without a Content-Length the body ends where the server closes the connection.
    bool announcesLength = true;
    // Closes the connection after this many bytes of the body, whatever the headers promised.
    std::optional<qsizetype> closesAfter{};
    // Reads the request and never answers, keeping the connection open.
    bool stalls = false;
    // More header lines, each ending in CRLF.
    QByteArray headers{};
};

// A scripted HTTP/1.1 server for tests, on 127.0.0.1 at a port of the system's choosing. It runs in
// a thread of its own, so a test may block its thread waiting for a download that talks to it.
// Each answer closes its connection. The destructor stops the thread and closes every connection.
// Given a TLS configuration, it speaks HTTPS.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(const std::optional<QSslConfiguration> &tls = std::nullopt);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer &) = delete;
    LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

    void setResponse(const LoopbackResponse &response);

    quint16 port() const { return m_port; }
    QUrl url(const QString &path = QStringLiteral("/lab/lumenfold/update.php")) const;
    // The heads of the requests received so far, request line first.
    QList<QByteArray> requests() const;

    // A loopback URL at which nothing listens, so that connecting is refused.
    static QUrl refusingUrl();

private:
    class Worker;

    QThread m_thread;
    Worker *m_worker;   // lives in m_thread, deleted there
    QString m_scheme;
    quint16 m_port = 0;
};
