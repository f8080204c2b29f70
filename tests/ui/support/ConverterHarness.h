#pragma once

#include "FXConverterServices.h"
#include "FXCurrencyManager.h"
#include "FXFlagCache.h"
#include "FXHttpFetcher.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRatesFile.h"
#include "FXRatesTable.h"
#include "FXSettingsManager.h"
#include "FXSharingManager.h"
#include "FXUserDefaults.h"
#include "MemoryRateHistory.h"
#include "TemporaryHome.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Plays the computer's positioning and geocoding: every fix is found in the country it is told.
class FakeLocationSystem : public FXLocationService, public FXReverseGeocoder {
public:
    void startUpdatingLocation() override { ++fixesAskedFor; }
    void stopUpdatingLocation() override {}
    void reverseGeocodeLocation(const FXLocation &, CompletionHandler handler) override
    {
        handler({FXPlacemark{m_country}}, std::nullopt);
    }
    // The computer is found in `country`.
    void find(const QString &country)
    {
        m_country = country;
        delegate()->locationManager(*this, FXLocation{}, std::nullopt);
    }

    int fixesAskedFor = 0;

private:
    QString m_country;
};

// A converter's core over the seed rates in a temporary home: locale and settings as the test says,
// refreshes refused, the computer last found in the US, daily rates kept in memory.
class ConverterHarness {
public:
    struct Setup {
        const char *locale = "en_US";
        // The rows after the main currency; the settings' default when empty.
        QStringList visible{};
        QString mainCurrency = QStringLiteral("USD");
        // The share button's services; this desktop's when empty.
        std::function<std::vector<std::unique_ptr<FXSharingService>>()> sharingServices{};
        // The currency manager's clock: half a day after the date of the seed's rates unless set.
        QDateTime now = QDateTime(QDate(2026, 9, 29), QTime(12, 0), Qt::UTC);
    };

    ConverterHarness();
    explicit ConverterHarness(const Setup &setup);

    // The converter's amount for `currency`, as the core writes it.
    QString amount(const QString &currency) { return inputs.humanReadableInputForCurrency(currency); }

    TemporaryHome home;
    FXNotificationCenter center;
    FXLocale locale;
    FXNumberFormatter numberFormatter{locale};
    FXUserDefaults groupDefaults;
    FXUserDefaults standardDefaults;
    FXRatesFile ratesFile;
    FXRatesTable ratesTable{ratesFile, locale};
    FXSettingsManager settings{groupDefaults, ratesTable, center};
    FXHttpFetcher fetcher;
    FXCurrencyManager currencies;
    FakeLocationSystem locationSystem;
    std::optional<FXLocationManager> locationManager;
    // The settings as the set-up says, in place before the input manager reads the rows.
    const bool settled;
    FXInputManager inputs{currencies, standardDefaults, numberFormatter};
    FXFlagCache flags;
    FXSharingManager sharing;
    // The kept daily rates: none until the test keeps some.
    MemoryRateHistory history;
    FXConverterServices services;
};
