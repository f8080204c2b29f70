#include "ConverterHarness.h"

#include "LoopbackHttpServer.h"

#include <QDir>

ConverterHarness::ConverterHarness()
    : ConverterHarness(Setup{})
{
}

ConverterHarness::ConverterHarness(const Setup &setup)
    : locale(QString::fromLatin1(setup.locale), &center)
    , groupDefaults(home.configHome() + QStringLiteral("/group.conf"))
    , standardDefaults(home.configHome() + QStringLiteral("/standard.conf"))
    , ratesFile([this]() -> QString {
          // The rates file's folder, as the program's own is made on first use.
          QDir().mkpath(home.dataHome());
          return home.dataHome() + QStringLiteral("/CurrencyRates.plist");
      }())
    , currencies(ratesTable, ratesFile, settings, locale,
                 [this] { return locationManager ? locationManager->ISOCountryCode()
                                                 : FXLocationManager::storedCountryCode(groupDefaults); },
                 fetcher, [url = LoopbackHttpServer::refusingUrl()] { return url.toString(); }, center)
    , settled([&] {
          groupDefaults.setObject(QStringLiteral("US"), QStringLiteral("LocationLastCountryCode"));
          settings.setDefaultCurrency(setup.mainCurrency);
          if (!setup.visible.isEmpty())
              groupDefaults.setObject(QStringList(setup.mainCurrency) + setup.visible,
                                      QStringLiteral("VisibleCurrencies"));
          return true;
      }())
    , sharing(setup.sharingServices ? setup.sharingServices() : FXSharingManager::availableServices())
    , services{
          .center = center,
          .locale = locale,
          .numberFormatter = numberFormatter,
          .settings = settings,
          .currencies = currencies,
          .inputs = inputs,
          .standardDefaults = standardDefaults,
          .flags = flags,
          .sharing = sharing,
          .location = [this]() -> FXLocationManager & {
              if (!locationManager)
                  locationManager.emplace(groupDefaults, locationSystem, locationSystem, center);
              return *locationManager;
          },
          .history = &history,
          .today = [today = setup.now.date()] { return today; },
      }
{
    currencies.setClock([now = setup.now] { return now; });
}
