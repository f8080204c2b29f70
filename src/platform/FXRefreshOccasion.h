#pragma once

#include <functional>

// Something after which the rates may have aged unseen and a refresh may work again: the network
// coming back, the computer waking from sleep.
class FXRefreshOccasion {
public:
    virtual ~FXRefreshOccasion() = default;
    // From now on calls `happened` on the main thread each time it happens. Says nothing, and
    // never calls, where it cannot be watched (no system bus, no network backend).
    virtual void watch(std::function<void()> happened) = 0;
};
