#include "LoopbackHttpServer.h"

#include <QHash>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <mutex>

namespace {

QUrl addressWithPort(const QString &scheme, quint16 port, const QString &path)
{
    QUrl url;
    url.setScheme(scheme);
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port);
    url.setPath(path);
    return url;
}

// Hands out each connection once its TLS handshake is done.
class TlsServer : public QTcpServer {
public:
    TlsServer(QSslConfiguration tls, QObject *parent)
        : QTcpServer(parent)
        , m_tls(std::move(tls))
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSslConfiguration(m_tls);
        socket->setSocketDescriptor(descriptor);
        // Handed out later than QTcpServer would tell of it by itself.
        connect(socket, &QSslSocket::encrypted, this, [this, socket] {
            addPendingConnection(socket);
            emit newConnection();
        });
        socket->startServerEncryption();
    }

private:
    QSslConfiguration m_tls;
};

}

class LoopbackHttpServer::Worker : public QObject {
public:
    // The sockets, children of the server, go while the tables that they clean up still exist.
    ~Worker() override { delete m_server; }

    quint16 listen(const std::optional<QSslConfiguration> &tls)
    {
        m_server = tls ? new TlsServer(*tls, this) : new QTcpServer(this);
        m_server->listen(QHostAddress::LocalHost, 0);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                accept(socket);
        });
        return m_server->serverPort();
    }

    void setResponse(const LoopbackResponse &response)
    {
        const std::lock_guard lock(m_mutex);
        m_response = response;
    }

    QList<QByteArray> requests() const
    {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    void accept(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            QByteArray &received = m_received[socket];
            received += socket->readAll();
            const qsizetype endOfHead = received.indexOf("\r\n\r\n");
            if (endOfHead < 0)
                return;
            const QByteArray head = received.first(endOfHead);
            m_received.remove(socket);
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            answer(socket, head);
        };
        connect(socket, &QTcpSocket::readyRead, this, read);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_received.remove(socket); });
        // Over TLS, the request may have come with the end of the handshake.
        if (socket->bytesAvailable() > 0)
            read();
    }

    void answer(QTcpSocket *socket, const QByteArray &head)
    {
        LoopbackResponse response;
        {
            const std::lock_guard lock(m_mutex);
            m_requests.append(head);
            response = m_response;
        }
        if (response.stalls)
            return;

        QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status)
                           + (response.status / 100 == 2 ? " OK" : " Scripted failure") + "\r\n"
                           + "Content-Type: application/json\r\nConnection: close\r\n";
        if (response.announcesLength)
            reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        reply += response.headers + "\r\n";
        reply += response.closesAfter ? response.body.first(*response.closesAfter) : response.body;
        socket->write(reply);
        // Closes once everything written has gone out.
        socket->disconnectFromHost();
    }

    QTcpServer *m_server = nullptr;
    QHash<QTcpSocket *, QByteArray> m_received;   // the request so far, until its head is complete

    mutable std::mutex m_mutex;   // guards the two below, shared with the test's thread
    LoopbackResponse m_response;
    QList<QByteArray> m_requests;
};

LoopbackHttpServer::LoopbackHttpServer(const std::optional<QSslConfiguration> &tls)
    : m_worker(new Worker)
    , m_scheme(tls ? QStringLiteral("https") : QStringLiteral("http"))
{
    m_worker->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, [this, &tls] { m_port = m_worker->listen(tls); },
                              Qt::BlockingQueuedConnection);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    // Deleted in its own thread, where its server and sockets live; they close with it.
    QMetaObject::invokeMethod(m_worker, [this] { delete m_worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void LoopbackHttpServer::setResponse(const LoopbackResponse &response)
{
    m_worker->setResponse(response);
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    return addressWithPort(m_scheme, m_port, path);
}

QList<QByteArray> LoopbackHttpServer::requests() const
{
    return m_worker->requests();
}

QUrl LoopbackHttpServer::refusingUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return addressWithPort(QStringLiteral("http"), port, QStringLiteral("/lab/lumenfold/update.php"));
}
