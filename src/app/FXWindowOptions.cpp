#include "FXCompositionRoot.h"

#include "FXQtLocationService.h"

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
    return options;
}
