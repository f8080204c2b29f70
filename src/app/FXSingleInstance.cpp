#include "FXSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray ActivateRequest = "activate\n";
constexpr int TimeoutMilliseconds = 1000;

// The socket's address; false when the path is too long for one.
bool addressOf(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof address->sun_path))
        return false;
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// A connected socket, or -1 when nobody listens at `path`.
int connectTo(const QString &path)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return -1;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

}

FXSingleInstance::FXSingleInstance(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
}

FXSingleInstance::~FXSingleInstance()
{
    if (m_listeningSocket < 0)
        return;
    m_connections.reset();
    ::close(m_listeningSocket);
    ::unlink(QFile::encodeName(m_socketPath).constData());
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
    const int socket = connectTo(m_socketPath);
    if (socket < 0)
        return false;
    // The running instance reads the line and closes: waiting for that keeps this start alive
    // until the request has arrived.
    ::send(socket, ActivateRequest.constData(), size_t(ActivateRequest.size()), MSG_NOSIGNAL);
    pollfd closed{socket, POLLIN, 0};
    ::poll(&closed, 1, TimeoutMilliseconds);
    ::close(socket);
    return true;
}

bool FXSingleInstance::listen()
{
    sockaddr_un address;
    if (!addressOf(m_socketPath, &address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    const auto bindTo = [&] {
        return ::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    };
    bool bound = bindTo();
    // Nobody answered there a moment ago: the socket was left behind by a program that crashed.
    if (!bound && errno == EADDRINUSE) {
        ::unlink(address.sun_path);
        bound = bindTo();
    }
    if (!bound || ::listen(socket, 4) != 0) {
        ::close(socket);
        return false;
    }
    // Only this user may ask for the window, also where the socket lies in a shared folder.
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    m_listeningSocket = socket;
    m_connections = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(m_connections.get(), &QSocketNotifier::activated, this,
            &FXSingleInstance::acceptConnections);
    return true;
}

void FXSingleInstance::acceptConnections()
{
    for (;;) {
        const int connection = ::accept4(m_listeningSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            return;
        // The request is one short line, sent as the connection is made.
        pollfd request{connection, POLLIN, 0};
        QByteArray line(ActivateRequest.size(), '\0');
        if (::poll(&request, 1, TimeoutMilliseconds) > 0
            && ::recv(connection, line.data(), size_t(line.size()), MSG_WAITALL) == line.size()
            && line == ActivateRequest) {
            emit activationRequested();
        }
        ::close(connection);
    }
}
