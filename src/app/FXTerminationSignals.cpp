#include "FXTerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a file descriptor; the event loop reads the other end.
int signalSocket[2] = {-1, -1};

void handleSignal(int)
{
    const char signalled = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &signalled, 1);
}

}

FXTerminationSignals::FXTerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [] {
        char signalled = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalSocket[1], &signalled, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

FXTerminationSignals::~FXTerminationSignals()
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, SIG_DFL);
    for (int &end : signalSocket) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}
