#include "FXCurrencyManager.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRatesDownloader.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"

namespace {

// The process's shared objects of the currencies, the settings and the amounts, made together on
// first use because they lean on each other: the settings store reads its currency lists from the
// rates table, the currency manager reads the settings, and the input manager asks the currency
// manager. The location manager is made only when the main currency first asks for the country.
struct SharedObjects {
    FXRatesFile ratesFile;
    FXRatesTable ratesTable{ratesFile, FXLocale::current()};
    FXSettingsManager settings{FXUserDefaults::groupUserDefaults(), ratesTable,
                               FXNotificationCenter::defaultCenter()};
    FXRatesDownloader downloader;
    FXCurrencyManager currencies{ratesTable, ratesFile, settings, FXLocale::current(),
                                 [] { return FXLocationManager::sharedManager().ISOCountryCode(); },
                                 downloader, FXNotificationCenter::defaultCenter()};

    static SharedObjects &instance()
    {
        static SharedObjects objects;
        return objects;
    }
};

}

FXSettingsManager &FXSettingsManager::sharedManager()
{
    return SharedObjects::instance().settings;
}

FXCurrencyManager &FXCurrencyManager::sharedManager()
{
    return SharedObjects::instance().currencies;
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
