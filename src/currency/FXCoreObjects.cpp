#include "FXCoreObjects.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

FXCoreObjects::FXCoreObjects(FXCurrencyManager::CountryCodeSource countryCode)
    : ratesTable(ratesFile, FXLocale::current())
    , settings(FXUserDefaults::groupUserDefaults(), ratesTable,
               FXNotificationCenter::defaultCenter())
    , currencies(ratesTable, ratesFile, settings, FXLocale::current(), std::move(countryCode),
                 downloader, FXNotificationCenter::defaultCenter())
{
}
