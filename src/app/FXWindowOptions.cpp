#include "FXCompositionRoot.h"

#include "FXLoadedReachability.h"
#include "FXQtLocationService.h"
#include "FXSystemWake.h"

FXCompositionRoot::Options FXCompositionRoot::windowOptions()
{
    Options options;
    options.locationService = []() -> std::unique_ptr<FXLocationService> {
        return std::make_unique<FXQtLocationService>(
            FXQtLocationService::createDefaultSource(QStringLiteral("io.github.cambio.Cambio")),
            FXTimeZoneLocator());
    };
    options.refreshPause = std::chrono::seconds(1);
    options.watchesSharedFiles = true;
    options.refreshOccasions = [] {
        std::vector<std::unique_ptr<FXRefreshOccasion>> occasions;
        occasions.push_back(std::make_unique<FXLoadedReachability>());
        occasions.push_back(std::make_unique<FXSystemWake>());
        return occasions;
    };
    return options;
}
