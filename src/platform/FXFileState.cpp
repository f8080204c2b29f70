#include "FXFileState.h"

#include <QFile>

#include <algorithm>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qint64 NanosecondsPerSecond = 1'000'000'000;
constexpr qint64 NanosecondsPerMillisecond = 1'000'000;

timespec timespecOf(qint64 nanoseconds)
{
    return {time_t(nanoseconds / NanosecondsPerSecond), long(nanoseconds % NanosecondsPerSecond)};
}

}

FXFileState FXFileState::of(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return FXFileState();
    return {true, quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * NanosecondsPerSecond + status.st_mtim.tv_nsec,
            S_ISREG(status.st_mode)};
}

void FXFileState::touch(const QString &path)
{
    const FXFileState state = of(path);
    if (!state.exists)
        return;
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 later = std::max(qint64(now.tv_sec) * NanosecondsPerSecond + now.tv_nsec,
                                  state.modifiedNanoseconds + NanosecondsPerMillisecond);
    const timespec times[2] = {{0, UTIME_OMIT}, timespecOf(later)};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}
