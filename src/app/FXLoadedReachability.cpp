#include "FXLoadedReachability.h"

// The watch belongs to the module's code: it goes before the module is unloaded.
FXLoadedReachability::~FXLoadedReachability()
{
    m_reachability.reset();
}

void FXLoadedReachability::watch(std::function<void()> happened)
{
    if (!m_reachability) {
        m_module = FXModuleLoader::load(QStringLiteral("cambio-network"), "cambioCreateReachability");
        if (!m_module.function)
            return;
        m_reachability.reset(reinterpret_cast<FXRefreshOccasion *(*)()>(m_module.function)());
    }
    m_reachability->watch(std::move(happened));
}
