#pragma once

#include <QList>

// The listening sockets handed over by systemd's socket activation, or by any launcher that keeps
// its convention (sd_listen_fds(3)): LISTEN_PID names this process and LISTEN_FDS counts the
// descriptors, which start at 3. The variables are removed so that no child takes the sockets for
// its own, and the descriptors are closed on exec.
namespace FXSocketActivation {

QList<int> takeListeningDescriptors();

}
