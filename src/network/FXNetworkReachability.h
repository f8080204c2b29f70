#pragma once

#include "FXRefreshOccasion.h"

#include <QObject>

// The network coming back, as Qt's network information reports it (its NetworkManager backend on
// Debian). Lives in the module "cambio-network" with the rest of QtNetwork; without a backend that
// knows reachability it never calls.
class FXNetworkReachability : public FXRefreshOccasion {
public:
    void watch(std::function<void()> happened) override;

private:
    QObject m_context;   // ends the watch with this object
    bool m_online = false;
};
