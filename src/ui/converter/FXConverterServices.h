#pragma once

#include <QDate>

#include <functional>

class FXCurrencyManager;
class FXFlagCache;
class FXInputManager;
class FXLocale;
class FXLocationManager;
class FXNotificationCenter;
class FXNumberFormatter;
class FXRateHistory;
class FXSettingsManager;
class FXSharingManager;
class FXUserDefaults;

// What the converter window works with: the core's objects and the window's flag cache, handed in
// by whoever makes the window (the application from the composition root, tests with their own).
// All of them outlive the window.
struct FXConverterServices {
    FXNotificationCenter &center;
    // The current locale; the preferences replace it with the number format the user chooses.
    FXLocale &locale;
    const FXNumberFormatter &numberFormatter;
    FXSettingsManager &settings;
    FXCurrencyManager &currencies;
    FXInputManager &inputs;
    // The window's own store: its frame.
    FXUserDefaults &standardDefaults;
    FXFlagCache &flags;
    // The share button's services and the picture it takes.
    FXSharingManager &sharing;
    // Made on first use, which starts locating the computer.
    std::function<FXLocationManager &()> location;
    // The daily rates kept on this computer, which the history window charts; without them the
    // window offers no history.
    FXRateHistory *history = nullptr;
    // The last day of the history window's ranges.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};
