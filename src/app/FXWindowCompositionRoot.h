#pragma once

#include <memory>

class FXApplicationDelegate;
class FXCompositionRoot;
class FXReportingManager;
class FXSharingManager;

// The converter window's objects, made, owned and wired above the core's root that it holds: the
// flags, the share button's services, crash reports and feedback, and the application around the
// window. The threading model is the core root's (FXCompositionRoot.h): everything made here lives
// on the main thread. main() makes one, after the application object; it lives until main()
// returns, and ends the window before the objects the window uses.
class FXWindowCompositionRoot {
public:
    FXWindowCompositionRoot();
    ~FXWindowCompositionRoot();
    FXWindowCompositionRoot(const FXWindowCompositionRoot &) = delete;
    FXWindowCompositionRoot &operator=(const FXWindowCompositionRoot &) = delete;

    // The root main() made; there must be one.
    static FXWindowCompositionRoot &current();

    FXCompositionRoot &core();
    FXSharingManager &sharing();
    FXReportingManager &reporting();
    FXApplicationDelegate &applicationDelegate();

private:
    struct Objects;
    std::unique_ptr<Objects> m_objects;
};
