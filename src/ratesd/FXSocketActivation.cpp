#include "FXSocketActivation.h"

#include <QByteArray>
#include <QtGlobal>

#include <fcntl.h>
#include <unistd.h>

namespace FXSocketActivation {

QList<int> takeListeningDescriptors()
{
    constexpr int firstDescriptor = 3;
    bool pidOk = false;
    bool countOk = false;
    const qint64 pid = qEnvironmentVariable("LISTEN_PID").toLongLong(&pidOk);
    const int count = qEnvironmentVariable("LISTEN_FDS").toInt(&countOk);
    qunsetenv("LISTEN_PID");
    qunsetenv("LISTEN_FDS");
    qunsetenv("LISTEN_FDNAMES");
    if (!pidOk || !countOk || pid != getpid() || count <= 0)
        return {};

    QList<int> descriptors;
    for (int descriptor = firstDescriptor; descriptor < firstDescriptor + count; ++descriptor) {
        const int flags = fcntl(descriptor, F_GETFD);
        if (flags < 0)
            continue;
        fcntl(descriptor, F_SETFD, flags | FD_CLOEXEC);
        descriptors.append(descriptor);
    }
    return descriptors;
}

}
