#include "FXLocationManager.h"

#include "FXBordersGeocoder.h"
#include "FXNotificationCenter.h"
#include "FXQtLocationService.h"
#include "FXSettingsManager.h"

// The shared instance lives in a file of its own: the shared settings manager is wired by the
// layers above this one, so only programs that link them pull in this file and its real services.
FXLocationManager &FXLocationManager::sharedManager()
{
    // Never destroyed: the positioning source talks to the system bus and must not be torn down
    // after the application object is gone.
    static FXLocationManager *manager = [] {
        auto *service = new FXQtLocationService(
            FXQtLocationService::createDefaultSource(QStringLiteral("io.github.cambio.Cambio")),
            FXTimeZoneLocator());
        auto *geocoder = new FXBordersGeocoder;
        return new FXLocationManager(FXSettingsManager::sharedManager().userDefaults(), *service,
                                     *geocoder, FXNotificationCenter::defaultCenter());
    }();
    return *manager;
}
