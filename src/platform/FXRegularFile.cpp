#include "FXRegularFile.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// O_NONBLOCK: opening a FIFO must not wait for a writer; a regular file ignores the flag.
std::optional<QByteArray> FXRegularFile::contents(const QString &path, qint64 maximumSize)
{
    if (path.startsWith(u':')) {
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly) || resource.size() > maximumSize)
            return std::nullopt;
        return resource.readAll();
    }
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    const auto closeDescriptor = qScopeGuard([descriptor] { ::close(descriptor); });
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maximumSize)
        return std::nullopt;

    // One byte more than the file holds shows whether it grew since; it may never pass the limit.
    QByteArray contents(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == contents.size()) {
            if (length > maximumSize)
                return std::nullopt;
            contents.resize(std::min<qsizetype>(2 * length, maximumSize + 1));
        }
        const ssize_t read = ::read(descriptor, contents.data() + length, size_t(contents.size() - length));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;
        length += read;
    }
    contents.truncate(length);
    return contents;
}
