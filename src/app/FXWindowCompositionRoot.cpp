#include "FXWindowCompositionRoot.h"

#include "FXApplicationDelegate.h"
#include "FXCompositionRoot.h"
#include "FXConverterServices.h"
#include "FXFlagCache.h"
#include "FXRateHistory.h"
#include "FXReportingManager.h"
#include "FXSharingManager.h"

#include <QtGlobal>

namespace {

FXWindowCompositionRoot *currentRoot = nullptr;

// The kept rate history, whose file is opened when the history window first asks, not at start.
class OnDemandRateHistory : public FXRateHistory {
public:
    explicit OnDemandRateHistory(std::function<FXRateHistory &()> open) : m_open(std::move(open)) {}

    QMap<QString, FXRateSeries> series(const QStringList &currencies, QDate from, QDate to) const override
    {
        return m_open().series(currencies, from, to);
    }
    void download(const QStringList &currencies, QDate from, QDate to, QObject *context,
                  Completion done) override
    {
        m_open().download(currencies, from, to, context, std::move(done));
    }

private:
    std::function<FXRateHistory &()> m_open;
};

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
    OnDemandRateHistory history{[this]() -> FXRateHistory & { return core.history(); }};
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
        .history = &history,
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
