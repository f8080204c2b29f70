#include "FXFileLock.h"

#include "FXLocalizedString.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Short against a holder's milliseconds; a little random so that waiters started together do not
// keep trying in step.
std::chrono::microseconds retryPause()
{
    return std::chrono::microseconds(QRandomGenerator::global()->bounded(1000, 3000));
}

QString systemFailure(const QString &path)
{
    return FXLocalizedString::format("cannot lock %@", path) + QStringLiteral(": ")
           + QString::fromLocal8Bit(std::strerror(errno));
}

}

FXFileLock::FXFileLock(const QString &path, Mode mode, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    // O_NONBLOCK: a FIFO put in place of the lock file must not hold the program at open().
    m_descriptor = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0644);
    if (m_descriptor < 0) {
        m_failureReason = systemFailure(path);
        return;
    }
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    while (::flock(m_descriptor, operation) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_failureReason = systemFailure(path);
            return;
        }
        if (Clock::now() >= deadline) {
            m_failureReason = FXLocalizedString::format("another program kept %@ locked", path);
            return;
        }
        std::this_thread::sleep_for(retryPause());
    }
}

FXFileLock::~FXFileLock()
{
    // Closing the file ends the lock.
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}
