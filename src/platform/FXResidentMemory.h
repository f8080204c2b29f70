#pragma once

#include <QByteArray>
#include <QFile>

// What the process holds in memory now, in KiB; 0 where the system does not tell. Inline, so that
// the start-up benchmark's bare floor program reads it the same way without linking the platform.
inline long FXResidentKibibytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // Files of /proc tell no size, so they are read whole.
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}
