#include "FXCoreObjects.h"
#include "FXInputManager.h"
#include "FXLocationManager.h"
#include "FXNumberFormatter.h"
#include "FXUserDefaults.h"

namespace {

// The location manager is made only when the main currency first asks for the country.
FXCoreObjects &sharedObjects()
{
    static FXCoreObjects objects([] { return FXLocationManager::sharedManager().ISOCountryCode(); });
    return objects;
}

}

FXSettingsManager &FXSettingsManager::sharedManager()
{
    return sharedObjects().settings;
}

FXCurrencyManager &FXCurrencyManager::sharedManager()
{
    return sharedObjects().currencies;
}

FXInputManager &FXInputManager::sharedManager()
{
    // Made apart from the others: restoring the last input asks for the main currency, which
    // needs the currency manager complete.
    static FXInputManager manager(FXCurrencyManager::sharedManager(),
                                  FXUserDefaults::standardUserDefaults(),
                                  FXNumberFormatter::sharedFormatter());
    return manager;
}
