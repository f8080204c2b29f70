#pragma once

#include "FXModuleLoader.h"
#include "FXRefreshOccasion.h"

#include <memory>

// The network coming back, watched by the module "cambio-network" (see FXModuleLoader), loaded
// when the watch starts: the window shows its first frame without QtNetwork. Without the module
// it never calls.
class FXLoadedReachability : public FXRefreshOccasion {
public:
    ~FXLoadedReachability() override;

    void watch(std::function<void()> happened) override;

private:
    FXModuleLoader m_module;
    std::unique_ptr<FXRefreshOccasion> m_reachability;
};
