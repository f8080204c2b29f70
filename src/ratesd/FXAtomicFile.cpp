#include "FXAtomicFile.h"

#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace FXAtomicFile {

std::optional<QString> write(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    const auto failure = [&](const char *step, const QString &reason) {
        file.cancelWriting();
        return QStringLiteral("cannot %1 %2: %3").arg(QLatin1StringView(step), path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure("create", file.errorString());
    // Written past QSaveFile's buffer: a write that failed when commit() flushed it would go
    // unnoticed, and one cut short loses its reason there.
    for (qsizetype written = 0; written < data.size();) {
        const ssize_t count = ::write(file.handle(), data.constData() + written, size_t(data.size() - written));
        if (count < 0 && errno != EINTR)
            return failure("write", QString::fromLocal8Bit(std::strerror(errno)));
        written += std::max<ssize_t>(count, 0);
    }
    if (::fdatasync(file.handle()) != 0)
        return failure("sync", QString::fromLocal8Bit(std::strerror(errno)));
    if (!file.commit())
        return failure("replace", file.errorString());
    return std::nullopt;
}

}
