#include "FXSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

const QByteArray ActivateRequest = "activate\n";
constexpr int TimeoutMilliseconds = 1000;

}

FXSingleInstance::FXSingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == ActivateRequest)
                    emit activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

QString FXSingleInstance::serverNameForConfiguration(const QString &configDirectory)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(configDirectory).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(12);
    return folder + QStringLiteral("/io.github.cambio.Cambio-") + QString::fromLatin1(hash);
}

bool FXSingleInstance::askRunningInstanceToActivate()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(TimeoutMilliseconds))
        return false;
    socket.write(ActivateRequest);
    socket.waitForBytesWritten(TimeoutMilliseconds);
    return true;
}

bool FXSingleInstance::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_serverName))
        return true;
    // Nobody answered there a moment ago: the socket was left behind by a program that crashed.
    if (m_server.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        return m_server.listen(m_serverName);
    }
    return false;
}
