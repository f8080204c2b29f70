#pragma once

#include "FXCurrencyManager.h"
#include "FXRatesDownloader.h"
#include "FXRatesFile.h"
#include "FXRatesTable.h"
#include "FXSettingsManager.h"

// The objects of the currencies and the settings over the user's own files and the current locale,
// made together because they lean on each other: the settings store reads its currency lists from
// the rates table, and the currency manager reads the settings. The window's shared instances are
// one such set; cambio-cli makes its own, over the stored country instead of a located one.
struct FXCoreObjects {
    explicit FXCoreObjects(FXCurrencyManager::CountryCodeSource countryCode);

    FXRatesFile ratesFile;
    FXRatesTable ratesTable;
    FXSettingsManager settings;
    FXRatesDownloader downloader;
    FXCurrencyManager currencies;
};
