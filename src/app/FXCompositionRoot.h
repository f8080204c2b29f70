#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FXCurrencyManager;
class FXFetcher;
class FXRateHistory;
class FXInputManager;
class FXLocale;
class FXLocationManager;
class FXLocationService;
class FXNotificationCenter;
class FXNumberFormatter;
class FXRefreshOccasion;
class FXSettingsManager;
class FXUserDefaults;

// The one place where the program's long-lived objects are made, owned and wired together: the
// notification centre, the locale and the number formatter, the user defaults, the settings, the
// currencies, the amounts and the location. Every sharedManager(), and the shared centre, locale,
// formatter and defaults of the layers below, answer what this root made. main() makes one root
// (cambio-cli this one, the window FXWindowCompositionRoot, which holds one), after the
// application object and before anything that asks for a shared object; it lives until main()
// returns.
//
// Threading model:
// - Every object made here lives on the main thread and is used there. Notifications are posted
//   and delivered on the main thread; positioning and geocoding answers reach it through Qt's
//   event loop.
// - Downloads (new rates, reports) run on the main thread too, beside its event loop: the one
//   fetcher (FXFetcher) answers there. Only loading QtNetwork, at the first fetch (the module
//   cambio-network, so that programs start without it), runs on FXDispatch's background queue.
//   A refresh reads and stores the answer, replaces the rates table whole and posts
//   FXRatesDidUpdateNotification, with the outcome in its user info.
// - Changes that another process (cambio-cli, a second window) makes to the shared rates file or
//   group settings are noticed on the main thread by a file watcher and announced with the same
//   notifications.
// - The window's root adds the flags, rendered on the flag cache's own threads, which hand their
//   results to the main thread through queued calls; crash reports and feedback are posted with
//   the same fetcher.
// - The window's rates are refreshed on their own by a timer and after the network's return or
//   the computer's wake-up, all on the main thread; each refresh runs as above.
// - Destroying the root ends running downloads at once; a refresh never keeps the program from
//   quitting.
class FXCompositionRoot {
public:
    struct Options {
        // Makes the positioning that locates the computer. Without one the computer is never
        // located and the country in force is the one last found: cambio-cli's case.
        std::function<std::unique_ptr<FXLocationService>()> locationService;
        // How long a refresh that received data waits before it ends: the window's "Updating…"
        // must stay readable, a script wants its answer at once.
        std::chrono::milliseconds refreshPause{0};
        // The window follows what other processes change in the shared files.
        bool watchesSharedFiles = false;
        // Makes what may leave the rates out of date unseen (the network coming back, the
        // computer waking). With it the rates are refreshed on their own (FXRefreshScheduler)
        // from the end of the first refresh; without it only when asked: cambio-cli's case.
        std::function<std::vector<std::unique_ptr<FXRefreshOccasion>>()> refreshOccasions;
    };
    // The window's: the platform's positioning, a readable pause, the shared files watched, the
    // rates kept current after the network's return and the computer's wake-up.
    // Defined apart (cambio_composition_window), so that only the window links Qt Positioning.
    static Options windowOptions();
    static Options commandLineOptions() { return {}; }

    explicit FXCompositionRoot(const Options &options);
    ~FXCompositionRoot();
    FXCompositionRoot(const FXCompositionRoot &) = delete;
    FXCompositionRoot &operator=(const FXCompositionRoot &) = delete;

    // The root main() made; there must be one.
    static FXCompositionRoot &current();

    // The rates server: the environment's CAMBIO_RATES_URL, else the group setting
    // "RatesServerURL", else the rates server of the user's own desktop. An empty value counts as
    // none; a malformed one is kept as it was written, and its refresh fails quoting it.
    static QString ratesServerURL(const FXUserDefaults &groupDefaults);
    static QString defaultRatesServerURL();
    // The rates server CAMBIO_RATES_URL names, which wins over the user's setting; none when unset.
    static std::optional<QString> ratesServerURLFromEnvironment();

    FXNotificationCenter &notificationCenter();
    // The locale in force, from the environment, else the number format chosen in the preferences.
    FXLocale &locale();
    FXNumberFormatter &numberFormatter();
    FXUserDefaults &groupDefaults();
    FXUserDefaults &standardDefaults();
    FXSettingsManager &settings();
    FXCurrencyManager &currencies();
    // The HTTP fetcher of every download, made with QtNetwork at its first fetch.
    FXFetcher &fetcher();
    // The daily rates kept on this computer and their download, opened at the first use: a
    // program that never asks for them never opens the file.
    FXRateHistory &history();
    // Made on first use: restoring the last input converts it.
    FXInputManager &inputs();
    // Made on first use, which starts locating the computer. Until then the currencies take the
    // country found at the last start, as the location manager would.
    FXLocationManager &location();

private:
    struct Objects;
    std::unique_ptr<Objects> m_objects;
};
