#include "FXWindowCompositionRoot.h"

#include "FXApplicationDelegate.h"
#include "FXCompositionRoot.h"
#include "FXConverterServices.h"
#include "FXFlagCache.h"
#include "FXReportingManager.h"
#include "FXSharingManager.h"

#include <QtGlobal>

namespace {

FXWindowCompositionRoot *currentRoot = nullptr;

}

struct FXWindowCompositionRoot::Objects {
    FXCompositionRoot core{FXCompositionRoot::windowOptions()};
    FXFlagCache flags;
    FXSharingManager sharing{FXSharingManager::availableServices()};
    FXReportingManager reporting{{
        .stateFolder = FXReportingManager::standardStateFolder(),
        .defaults = core.standardDefaults(),
        .fetcher = core.fetcher(),
        .window = FXReportingManager::applicationWindow,
    }};
    const FXConverterServices services{
        .center = core.notificationCenter(),
        .locale = core.locale(),
        .numberFormatter = core.numberFormatter(),
        .settings = core.settings(),
        .currencies = core.currencies(),
        .inputs = core.inputs(),
        .standardDefaults = core.standardDefaults(),
        .flags = flags,
        .sharing = sharing,
        .location = [this]() -> FXLocationManager & { return core.location(); },
    };
    // Last: the window goes first, while everything it shows is still there.
    FXApplicationDelegate delegate{services, reporting};
};

FXWindowCompositionRoot::FXWindowCompositionRoot()
    : m_objects(std::make_unique<Objects>())
{
    Q_ASSERT(!currentRoot);
    currentRoot = this;
}

FXWindowCompositionRoot::~FXWindowCompositionRoot()
{
    currentRoot = nullptr;
}

FXWindowCompositionRoot &FXWindowCompositionRoot::current()
{
    if (!currentRoot)
        qFatal("A shared object of the window was asked for before main() made the window");
    return *currentRoot;
}

FXCompositionRoot &FXWindowCompositionRoot::core()
{
    return m_objects->core;
}

FXSharingManager &FXWindowCompositionRoot::sharing()
{
    return m_objects->sharing;
}

FXReportingManager &FXWindowCompositionRoot::reporting()
{
    return m_objects->reporting;
}

FXApplicationDelegate &FXWindowCompositionRoot::applicationDelegate()
{
    return m_objects->delegate;
}

FXSharingManager &FXSharingManager::sharedManager()
{
    return FXWindowCompositionRoot::current().sharing();
}
