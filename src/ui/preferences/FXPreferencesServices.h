#pragma once

class FXCurrencyManager;
class FXFlagCache;
class FXLocale;
class FXNotificationCenter;
class FXSettingsManager;

// What the preferences work with: the core's objects and the window's flag cache, handed in by
// whoever makes the preferences window (the application, tests with their own). All of them
// outlive the window.
struct FXPreferencesServices {
    FXNotificationCenter &center;
    // The current locale, which the chosen number format replaces.
    FXLocale &locale;
    FXSettingsManager &settings;
    FXCurrencyManager &currencies;
    FXFlagCache &flags;
    // The environment names the rates server of this process (CAMBIO_RATES_URL), which then wins
    // over the user's setting.
    bool ratesServerFromEnvironment = false;
};
