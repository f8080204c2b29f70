#include "FXHttpServer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// Tells listening sockets from connections in the epoll set, whose ids count up from 1.
constexpr quint64 ListenerTag = quint64(1) << 63;
// A connection whose answers pile up beyond this is not read until its client takes them.
constexpr qsizetype MaximumPendingOutput = 256 * 1024;
// What a client may still send after its last answer before the connection is simply closed.
constexpr qsizetype MaximumDiscarded = 64 * 1024;
constexpr int EventsPerRound = 256;
constexpr int AcceptsPerRound = 64;
constexpr std::chrono::milliseconds AcceptPause{100};
// Left to the rest of the process (its sources' fetches, its state file, Qt's own) when
// connections take all the others.
constexpr qsizetype ReservedDescriptors = 32;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return QByteArrayLiteral("OK");
    case 304: return QByteArrayLiteral("Not Modified");
    case 400: return QByteArrayLiteral("Bad Request");
    case 404: return QByteArrayLiteral("Not Found");
    case 405: return QByteArrayLiteral("Method Not Allowed");
    case 414: return QByteArrayLiteral("URI Too Long");
    case 431: return QByteArrayLiteral("Request Header Fields Too Large");
    case 501: return QByteArrayLiteral("Not Implemented");
    case 503: return QByteArrayLiteral("Service Unavailable");
    case 505: return QByteArrayLiteral("HTTP Version Not Supported");
    default: return QByteArrayLiteral("Status");
    }
}

QString systemError(const char *what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

}

struct FXHttpServer::Connection {
    quint64 id = 0;
    int fd = -1;                  // -1 once closed
    bool loopback = false;
    QByteArray input;             // received and not yet answered: part of a head, or requests behind a waiting one
    std::deque<QByteArray> output;
    qsizetype sentOfFirst = 0;    // of output.front()
    qsizetype pending = 0;        // bytes in output not yet sent
    bool waiting = false;         // for answer()
    bool headWaiting = false;     // the waiting request is a HEAD
    Persistence persistenceWaiting = Persistence::Keep;
    bool ending = false;          // takes no more requests; shuts down once the output is out
    bool lingering = false;       // shut down for writing; reads what still comes until the peer ends
    bool peerDone = false;        // the peer sent all it will
    qsizetype discarded = 0;      // read while lingering
    uint32_t events = 0;
    std::chrono::steady_clock::time_point deadline;
};

FXHttpServer::FXHttpServer(Handler handler, std::chrono::milliseconds timeout, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
    , m_timeout(timeout)
    , m_epoll(epoll_create1(EPOLL_CLOEXEC))
    , m_notifier(std::make_unique<QSocketNotifier>(m_epoll, QSocketNotifier::Read))
{
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FXHttpServer::processEvents);
    m_acceptPause.setSingleShot(true);
    connect(&m_acceptPause, &QTimer::timeout, this, &FXHttpServer::resumeAccepting);
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        m_maximumConnections = std::max<qsizetype>(qsizetype(limit.rlim_cur) - ReservedDescriptors, 1);
    m_expiry.setInterval(std::max(m_timeout / 5, std::chrono::milliseconds(10)));
    connect(&m_expiry, &QTimer::timeout, this, &FXHttpServer::closeExpired);
    m_dropClosed.setSingleShot(true);
    m_dropClosed.setInterval(0);
    connect(&m_dropClosed, &QTimer::timeout, this, [this] { m_closed.clear(); });
}

FXHttpServer::~FXHttpServer()
{
    m_notifier.reset();
    for (auto &[id, connection] : m_connections)
        ::close(connection->fd);
    for (const int listener : m_listeners)
        ::close(listener);
    ::close(m_epoll);
}

bool FXHttpServer::listen(const QHostAddress &address, quint16 port, QString *error)
{
    sockaddr_storage storage{};
    socklen_t length = 0;
    const bool ipv4 = address.protocol() == QAbstractSocket::IPv4Protocol;
    if (ipv4) {
        auto *ip = reinterpret_cast<sockaddr_in *>(&storage);
        ip->sin_family = AF_INET;
        ip->sin_port = htons(port);
        ip->sin_addr.s_addr = htonl(address.toIPv4Address());
        length = sizeof(sockaddr_in);
    } else {
        // QHostAddress::Any, whose protocol is neither, listens on both.
        auto *ip = reinterpret_cast<sockaddr_in6 *>(&storage);
        ip->sin6_family = AF_INET6;
        ip->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&ip->sin6_addr, bytes.c, sizeof(bytes.c));
        length = sizeof(sockaddr_in6);
    }
    const int descriptor = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    const int off = 0;
    if (descriptor < 0) {
        *error = systemError("socket");
        return false;
    }
    ::setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    if (!ipv4)
        ::setsockopt(descriptor, IPPROTO_IPV6, IPV6_V6ONLY, address == QHostAddress::Any ? &off : &on, sizeof(on));
    if (::bind(descriptor, reinterpret_cast<sockaddr *>(&storage), length) != 0
        || ::listen(descriptor, SOMAXCONN) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(descriptor);
        return false;
    }
    return adopt(descriptor, error);
}

bool FXHttpServer::adopt(int descriptor, QString *error)
{
    int listening = 0;
    socklen_t size = sizeof(listening);
    if (::getsockopt(descriptor, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) != 0 || !listening) {
        *error = QStringLiteral("not a listening socket");
        return false;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = ListenerTag | m_listeners.size();
    if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, descriptor, &event) != 0) {
        *error = systemError("epoll_ctl");
        return false;
    }
    m_listeners.push_back(descriptor);
    return true;
}

QList<std::pair<QHostAddress, quint16>> FXHttpServer::addresses() const
{
    QList<std::pair<QHostAddress, quint16>> addresses;
    for (const int listener : m_listeners) {
        sockaddr_storage storage{};
        socklen_t length = sizeof(storage);
        if (::getsockname(listener, reinterpret_cast<sockaddr *>(&storage), &length) != 0)
            continue;
        const quint16 port = storage.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6 *>(&storage)->sin6_port
                                                           : reinterpret_cast<sockaddr_in *>(&storage)->sin_port;
        addresses.append({QHostAddress(reinterpret_cast<sockaddr *>(&storage)), ntohs(port)});
    }
    return addresses;
}

void FXHttpServer::processEvents()
{
    epoll_event events[EventsPerRound];
    const int count = ::epoll_wait(m_epoll, events, EventsPerRound, 0);
    for (int index = 0; index < count; ++index) {
        const quint64 tag = events[index].data.u64;
        if (tag & ListenerTag) {
            accept(m_listeners[tag & ~ListenerTag]);
            continue;
        }
        // Gone when an earlier event of this round closed it.
        const auto found = m_connections.find(tag);
        if (found == m_connections.end())
            continue;
        Connection &connection = *found->second;
        const uint32_t happened = events[index].events;
        if ((happened & EPOLLERR) || ((happened & EPOLLHUP) && !(happened & EPOLLIN))) {
            close(connection.id);
            continue;
        }
        if (happened & EPOLLOUT)
            advance(connection);
        if (connection.fd >= 0 && (happened & (EPOLLIN | EPOLLHUP)))
            receive(connection);
    }
}

void FXHttpServer::accept(int listener)
{
    for (int round = 0; round < AcceptsPerRound; ++round) {
        if (qsizetype(m_connections.size()) >= m_maximumConnections && !closeLongestWaiting()) {
            pauseAccepting();
            return;
        }
        sockaddr_storage peer{};
        socklen_t length = sizeof(peer);
        const int descriptor = ::accept4(listener, reinterpret_cast<sockaddr *>(&peer), &length,
                                         SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (descriptor < 0) {
            if (errno == ECONNABORTED || errno == EINTR)
                continue;
            // Out of descriptors all the same: the connection waiting longest for a request makes
            // room, and the next round takes the new one. Without any, accepting would spin.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                if (closeLongestWaiting())
                    continue;
                pauseAccepting();
            }
            return;
        }
        const int on = 1;
        ::setsockopt(descriptor, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
        auto connection = std::make_unique<Connection>();
        connection->id = ++m_lastId;
        connection->fd = descriptor;
        connection->loopback = QHostAddress(reinterpret_cast<sockaddr *>(&peer)).isLoopback();
        connection->deadline = Clock::now() + m_timeout;
        connection->events = EPOLLIN;
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = connection->id;
        if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, descriptor, &event) != 0) {
            ::close(descriptor);
            continue;
        }
        m_connections.emplace(connection->id, std::move(connection));
        if (!m_expiry.isActive())
            m_expiry.start();
    }
}

void FXHttpServer::pauseAccepting()
{
    for (std::size_t index = 0; index < m_listeners.size(); ++index) {
        epoll_event event{};
        event.data.u64 = ListenerTag | index;
        ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, m_listeners[index], &event);
    }
    m_acceptPause.start(AcceptPause);
}

void FXHttpServer::resumeAccepting()
{
    for (std::size_t index = 0; index < m_listeners.size(); ++index) {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = ListenerTag | index;
        ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, m_listeners[index], &event);
    }
}

bool FXHttpServer::closeLongestWaiting()
{
    Connection *longest = nullptr;
    for (const auto &[id, connection] : m_connections) {
        if (!connection->waiting && connection->pending == 0
            && (!longest || connection->deadline < longest->deadline))
            longest = connection.get();
    }
    if (longest)
        close(longest->id);
    return longest;
}

void FXHttpServer::receive(Connection &connection)
{
    char buffer[64 * 1024];
    const ssize_t received = ::read(connection.fd, buffer, sizeof(buffer));
    if (received < 0) {
        if (errno != EAGAIN && errno != EINTR)
            close(connection.id);
        return;
    }
    if (received == 0) {
        connection.peerDone = true;
        if (connection.lingering) {
            close(connection.id);
            return;
        }
    } else if (connection.lingering) {
        // A client that keeps sending after its answer is not worth reading on for.
        connection.discarded += received;
        if (connection.discarded > MaximumDiscarded)
            close(connection.id);
        return;
    } else if (connection.input.isEmpty()) {
        serve(connection, QByteArrayView(buffer, received));
    } else {
        connection.input.append(buffer, received);
        serve(connection, std::exchange(connection.input, {}));
    }
    advance(connection);
}

void FXHttpServer::serve(Connection &connection, QByteArrayView bytes)
{
    qsizetype used = 0;
    while (!connection.waiting && !connection.ending && connection.pending < MaximumPendingOutput) {
        FXHttpRequestReader::Result read = FXHttpRequestReader::read(bytes.sliced(used));
        if (read.outcome == FXHttpRequestReader::Result::Outcome::Incomplete)
            break;
        FXHttpRequest &request = read.request;
        request.connection = connection.id;
        request.fromLoopback = connection.loopback;
        if (read.outcome == FXHttpRequestReader::Result::Outcome::Refused) {
            const auto answer = m_handler(request);
            queueAnswer(connection, answer.value_or(FXHttpAnswer{request.refusedStatus, {}, {}}), false,
                        Persistence::Close);
            break;
        }
        used += read.length;
        const Persistence persistence = !request.keepAlive || request.hasBody ? Persistence::Close
                                        : request.keepAliveAsked             ? Persistence::KeepAnnounced
                                                                             : Persistence::Keep;
        if (const auto answer = m_handler(request)) {
            queueAnswer(connection, *answer, request.isHead(), persistence);
        } else {
            connection.waiting = true;
            connection.headWaiting = request.isHead();
            connection.persistenceWaiting = persistence;
        }
    }
    // What a client sends after its last request, or as a body, is never read as a request.
    if (!connection.ending && used < bytes.size())
        connection.input = bytes.sliced(used).toByteArray();
}

void FXHttpServer::queueAnswer(Connection &connection, const FXHttpAnswer &answer, bool head,
                               Persistence persistence)
{
    const bool bodyless = answer.status == 304 || answer.status == 204 || answer.status < 200;
    QByteArray text;
    text.reserve(128 + answer.headers.size());
    text += "HTTP/1.1 ";
    text += QByteArray::number(answer.status);
    text += ' ';
    text += reasonPhrase(answer.status);
    text += "\r\n";
    text += answer.headers;
    if (!bodyless) {
        text += "Content-Length: ";
        text += QByteArray::number(answer.body.size());
        text += "\r\n";
    }
    if (persistence == Persistence::Close)
        text += "Connection: close\r\n";
    else if (persistence == Persistence::KeepAnnounced)
        text += "Connection: keep-alive\r\n";
    text += "\r\n";
    connection.pending += text.size();
    connection.output.push_back(std::move(text));
    if (!head && !bodyless && !answer.body.isEmpty()) {
        connection.pending += answer.body.size();
        connection.output.push_back(answer.body);
    }
    connection.ending = connection.ending || persistence == Persistence::Close;
    connection.deadline = Clock::now() + m_timeout;
}

bool FXHttpServer::flush(Connection &connection)
{
    while (connection.pending > 0) {
        iovec pieces[16];
        int count = 0;
        for (auto it = connection.output.begin(); it != connection.output.end() && count < 16; ++it, ++count) {
            const qsizetype skip = count == 0 ? connection.sentOfFirst : 0;
            pieces[count] = {const_cast<char *>(it->constData()) + skip, size_t(it->size() - skip)};
        }
        msghdr message{};
        message.msg_iov = pieces;
        message.msg_iovlen = count;
        // MSG_NOSIGNAL: a client gone meanwhile is an error here, not a SIGPIPE that ends the server.
        const ssize_t sent = ::sendmsg(connection.fd, &message, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN) {
                close(connection.id);
                return false;
            }
            return true;
        }
        connection.pending -= sent;
        connection.deadline = Clock::now() + m_timeout;
        for (qsizetype left = sent; left > 0;) {
            const qsizetype rest = connection.output.front().size() - connection.sentOfFirst;
            if (left < rest) {
                connection.sentOfFirst += left;
                break;
            }
            left -= rest;
            connection.output.pop_front();
            connection.sentOfFirst = 0;
        }
    }
    return true;
}

void FXHttpServer::advance(Connection &connection)
{
    while (flush(connection)) {
        if (connection.waiting || connection.ending || connection.input.isEmpty()
            || connection.pending >= MaximumPendingOutput) {
            settle(connection);
            return;
        }
        const qsizetype before = connection.input.size();
        serve(connection, std::exchange(connection.input, {}));
        if (connection.input.size() == before) {   // part of a head, and nothing more
            settle(connection);
            return;
        }
    }
}

void FXHttpServer::settle(Connection &connection)
{
    if (!connection.lingering && !connection.waiting && connection.pending == 0
        && (connection.ending || connection.peerDone))
        finish(connection);
    else
        watch(connection);
}

// The last answer is out. Closing at once could lose it: what the client still sends would make
// the system reset the connection before the client has read the answer. So the server shuts its
// side and reads on until the client closes, for a moment at most.
void FXHttpServer::finish(Connection &connection)
{
    if (connection.peerDone) {
        close(connection.id);
        return;
    }
    ::shutdown(connection.fd, SHUT_WR);
    connection.lingering = true;
    connection.input.clear();
    connection.deadline = Clock::now() + m_expiry.intervalAsDuration();
    watch(connection);
}

void FXHttpServer::watch(Connection &connection)
{
    uint32_t events = 0;
    if (connection.lingering
        || (!connection.waiting && !connection.ending && !connection.peerDone && connection.pending < MaximumPendingOutput))
        events |= EPOLLIN;
    if (connection.pending > 0)
        events |= EPOLLOUT;
    if (events == connection.events)
        return;
    epoll_event event{};
    event.events = events;
    event.data.u64 = connection.id;
    ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, connection.fd, &event);
    connection.events = events;
}

void FXHttpServer::answer(quint64 id, const FXHttpAnswer &answer)
{
    const auto found = m_connections.find(id);
    if (found == m_connections.end() || !found->second->waiting)
        return;
    Connection &connection = *found->second;
    connection.waiting = false;
    queueAnswer(connection, answer, connection.headWaiting, connection.persistenceWaiting);
    advance(connection);
}

void FXHttpServer::close(quint64 id)
{
    const auto found = m_connections.find(id);
    if (found == m_connections.end())
        return;
    ::close(found->second->fd);   // also takes it out of the epoll set
    found->second->fd = -1;
    // The caller may still hold it; it goes at the next round.
    m_closed.push_back(std::move(found->second));
    m_connections.erase(found);
    if (!m_dropClosed.isActive())
        m_dropClosed.start();
}

void FXHttpServer::closeExpired()
{
    const auto now = Clock::now();
    std::vector<quint64> expired;
    for (const auto &[id, connection] : m_connections) {
        if (!connection->waiting && connection->deadline <= now)
            expired.push_back(id);
    }
    for (const quint64 id : expired)
        close(id);
    if (m_connections.empty())
        m_expiry.stop();
}
