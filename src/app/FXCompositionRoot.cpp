#include "FXCompositionRoot.h"

#include "FXBordersGeocoder.h"
#include "FXCurrencyManager.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRateHistoryStore.h"
#include "FXLoadedFetcher.h"
#include "FXRatesFile.h"
#include "FXRatesTable.h"
#include "FXRefreshScheduler.h"
#include "FXSettingsManager.h"
#include "FXSharedFilesWatcher.h"
#include "FXUserDefaults.h"

#include <QtGlobal>

#include <errno.h>

#include <optional>

namespace {

FXCompositionRoot *currentRoot = nullptr;

}

struct FXCompositionRoot::Objects {
    explicit Objects(const Options &options)
        : options(options)
        , currencies(ratesTable, ratesFile, settings, locale, countryCodeSource(), fetcher,
                     [this] { return ratesServerURL(group); }, center)
    {
        currencies.setRefreshPause(int(options.refreshPause.count()));
        // Every refresh adds its day to the kept daily rates; one that cannot be kept costs
        // nothing but that day.
        currencies.setRatesRecorder([this](QDate day, const QHash<QString, double> &fromBase) {
            if (const QString failure = historyDatabase().keepDay(day, fromBase); !failure.isEmpty())
                qWarning("%s: %s", program_invocation_short_name, qUtf8Printable(failure));
        });
        // The notation chosen in the preferences, before anything writes an amount. cambio-cli's
        // --locale, applied later, still wins; a name ICU does not know leaves the system's.
        if (const auto chosen = settings.numberFormatLocale(); chosen && FXLocale::isKnownLocale(*chosen))
            locale.setIdentifier(*chosen);
        if (options.watchesSharedFiles) {
            sharedFilesWatcher = std::make_unique<FXSharedFilesWatcher>(ratesTable, ratesFile,
                                                                        currencies, settings, center);
        }
        if (options.refreshOccasions) {
            scheduler = std::make_unique<FXRefreshScheduler>(
                currencies, center, refreshTimer, options.refreshOccasions(),
                [] { return QDateTime::currentDateTimeUtc(); });
        }
    }

    FXCurrencyManager::CountryCodeSource countryCodeSource()
    {
        // Until the window makes the location manager, its country would be the stored one: the
        // question alone does not start locating.
        if (options.locationService) {
            return [this] {
                return locationManager ? locationManager->ISOCountryCode()
                                       : FXLocationManager::storedCountryCode(group);
            };
        }
        return [this] { return FXLocationManager::storedCountryCode(group); };
    }

    FXRateHistoryDatabase &historyDatabase()
    {
        if (!historyFile)
            historyFile.emplace();
        return *historyFile;
    }

    FXRateHistoryStore &history()
    {
        if (!historyStore)
            historyStore.emplace(historyDatabase(), fetcher, [this] { return ratesServerURL(group); });
        return *historyStore;
    }

    FXLocationManager &location()
    {
        if (!locationManager) {
            Q_ASSERT(options.locationService);
            locationService = options.locationService();
            locationManager = std::make_unique<FXLocationManager>(group, *locationService, geocoder,
                                                                  center);
        }
        return *locationManager;
    }

    Options options;
    FXNotificationCenter center;
    FXLocale locale{FXLocale::identifierFromEnvironment(), &center};
    FXNumberFormatter numberFormatter{locale};
    FXUserDefaults group{FXUserDefaults::filePathForDomain(FXUserDefaults::groupDomain())};
    FXUserDefaults standard{FXUserDefaults::filePathForDomain(FXUserDefaults::standardDomain())};
    FXRatesFile ratesFile;
    FXRatesTable ratesTable{ratesFile, locale};
    FXSettingsManager settings{group, ratesTable, center};
    FXLoadedFetcher fetcher;
    FXCurrencyManager currencies;
    // Gone before the fetcher that their downloads go through.
    std::optional<FXRateHistoryDatabase> historyFile;
    std::optional<FXRateHistoryStore> historyStore;
    std::unique_ptr<FXSharedFilesWatcher> sharedFilesWatcher;
    FXQtRefreshTimer refreshTimer;
    std::unique_ptr<FXRefreshScheduler> scheduler;
    std::optional<FXInputManager> inputs;
    FXBordersGeocoder geocoder;
    std::unique_ptr<FXLocationService> locationService;
    std::unique_ptr<FXLocationManager> locationManager;
};

FXCompositionRoot::FXCompositionRoot(const Options &options)
    : m_objects(std::make_unique<Objects>(options))
{
    Q_ASSERT(!currentRoot);
    currentRoot = this;
}

FXCompositionRoot::~FXCompositionRoot()
{
    currentRoot = nullptr;
}

FXCompositionRoot &FXCompositionRoot::current()
{
    if (!currentRoot)
        qFatal("A shared manager was asked for before main() made the program's objects");
    return *currentRoot;
}

QString FXCompositionRoot::defaultRatesServerURL()
{
    return QStringLiteral("http://localhost:8642/lab/lumenfold/update.php");
}

std::optional<QString> FXCompositionRoot::ratesServerURLFromEnvironment()
{
    const QString fromEnvironment = qEnvironmentVariable("CAMBIO_RATES_URL").trimmed();
    if (fromEnvironment.isEmpty())
        return std::nullopt;
    return fromEnvironment;
}

QString FXCompositionRoot::ratesServerURL(const FXUserDefaults &groupDefaults)
{
    if (const auto fromEnvironment = ratesServerURLFromEnvironment())
        return *fromEnvironment;
    const QString fromDefaults =
        groupDefaults.stringForKey(QStringLiteral("RatesServerURL")).value_or(QString()).trimmed();
    if (!fromDefaults.isEmpty())
        return fromDefaults;
    return defaultRatesServerURL();
}

FXNotificationCenter &FXCompositionRoot::notificationCenter()
{
    return m_objects->center;
}

FXLocale &FXCompositionRoot::locale()
{
    return m_objects->locale;
}

FXNumberFormatter &FXCompositionRoot::numberFormatter()
{
    return m_objects->numberFormatter;
}

FXUserDefaults &FXCompositionRoot::groupDefaults()
{
    return m_objects->group;
}

FXUserDefaults &FXCompositionRoot::standardDefaults()
{
    return m_objects->standard;
}

FXSettingsManager &FXCompositionRoot::settings()
{
    return m_objects->settings;
}

FXCurrencyManager &FXCompositionRoot::currencies()
{
    return m_objects->currencies;
}

FXFetcher &FXCompositionRoot::fetcher()
{
    return m_objects->fetcher;
}

FXRateHistory &FXCompositionRoot::history()
{
    return m_objects->history();
}

FXInputManager &FXCompositionRoot::inputs()
{
    if (!m_objects->inputs) {
        m_objects->inputs.emplace(m_objects->currencies, m_objects->standard,
                                  m_objects->numberFormatter);
    }
    return *m_objects->inputs;
}

FXLocationManager &FXCompositionRoot::location()
{
    return m_objects->location();
}

FXSettingsManager &FXSettingsManager::sharedManager()
{
    return FXCompositionRoot::current().settings();
}

FXCurrencyManager &FXCurrencyManager::sharedManager()
{
    return FXCompositionRoot::current().currencies();
}

FXInputManager &FXInputManager::sharedManager()
{
    return FXCompositionRoot::current().inputs();
}

FXLocationManager &FXLocationManager::sharedManager()
{
    return FXCompositionRoot::current().location();
}

FXNotificationCenter &FXNotificationCenter::defaultCenter()
{
    return FXCompositionRoot::current().notificationCenter();
}

FXLocale &FXLocale::current()
{
    return FXCompositionRoot::current().locale();
}

FXNumberFormatter &FXNumberFormatter::sharedFormatter()
{
    return FXCompositionRoot::current().numberFormatter();
}

FXUserDefaults &FXUserDefaults::groupUserDefaults()
{
    return FXCompositionRoot::current().groupDefaults();
}

FXUserDefaults &FXUserDefaults::standardUserDefaults()
{
    return FXCompositionRoot::current().standardDefaults();
}
