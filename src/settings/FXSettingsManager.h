#pragma once

#include "FXResult.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <chrono>
#include <functional>
#include <optional>

class FXNotificationCenter;
class FXUserDefaults;

// Posted by the settings store after each change of the visible currencies or the fixed main
// currency, with the store as the object.
inline const QString FXSettingsDidChangeNotification =
    QStringLiteral("FXSettingsDidChangeNotification");

// The currency lists the settings store builds on. The rates table offers them; the store only
// reads them and never keeps a copy.
class FXCurrencyLists {
public:
    virtual ~FXCurrencyLists() = default;
    // The fixed main currencies, the default of the visible currencies.
    virtual QStringList mainCurrencies() const = 0;
    // Every code of the rates table, sorted.
    virtual QStringList allCurrencies() const = 0;
    // Whether the rates table carries `code`.
    virtual bool isKnownCurrency(const QString &code) const = 0;
};

// The user's persistent choices: which currencies the converter shows and in what order, the fixed
// main currency, and the two switches. Keeps no copy: every read goes to the application group's
// user defaults and every change is written there at once. Each change says whether it reached
// the file; only a change that did is announced. Changes of the visible list are decided and made
// from the list as stored at that moment, with no other process's change in between, so edits of
// other processes are never lost and two adds of one currency never store it twice.
//
// The file may have been edited by hand or damaged: the currencies are read clean, and the file
// is left as it is until the next change writes the clean list. A code counts in any case and only
// when the rates table carries it; an empty entry or a second copy does not count.
class FXSettingsManager {
public:
    // The instance of the composition root (src/app).
    static FXSettingsManager &sharedManager();
    FXSettingsManager(FXUserDefaults &userDefaults, const FXCurrencyLists &currencies,
                      FXNotificationCenter &center);

    FXUserDefaults &userDefaults() const { return m_userDefaults; }
    void registerDefaults();

    bool isAutomaticUpdateAllowed() const;
    FXResult setAutomaticUpdateAllowed(bool allowed);
    bool isLocationBasedCurrencyEnabled() const;
    FXResult setLocationBasedCurrencyEnabled(bool enabled);

    QStringList visibleCurrencies() const;
    QStringList invisibleCurrencies() const;
    // The main currency the user fixed; none also when the stored code is not one of the rates
    // table: the main currency in force is then the locale's.
    std::optional<QString> defaultCurrency() const;
    FXResult setDefaultCurrency(const std::optional<QString> &currency);
    // The user's choice of the main currency as one change: `fixed`, with the location switch
    // off, or none, with the switch on. Both are written at once and announced once, so that
    // whoever reads the main currency in force finds the switch as the user left it.
    FXResult setMainCurrency(const std::optional<QString> &fixed);

    // Puts `currency` in front; refused when it is already visible or not in the rates table.
    FXResult addCurrencyToVisible(const QString &currency);
    // Refused when `currency` is not visible.
    FXResult removeCurrencyFromVisible(const QString &currency);
    // Moves (not swaps) `currency` to `withCurrency`'s place; refused when either is not visible.
    FXResult exchangeCurrency(const QString &currency, const QString &withCurrency);
    FXResult restoreDefaults();

    // The locale whose notation amounts are written in, as an ICU id ("de_CH"); none: the
    // system's. A change is not announced here: whoever applies it replaces the current locale,
    // which announces itself.
    std::optional<QString> numberFormatLocale() const;
    FXResult setNumberFormatLocale(const std::optional<QString> &identifier);

    // The rates server the user chose, none for the built-in one. The environment may still point
    // this process elsewhere (CAMBIO_RATES_URL, read by the composition root).
    std::optional<QString> ratesServerURL() const;
    // Refuses, saying why, anything but an http or https address with a host; the empty text
    // (after trimming) chooses the built-in server again.
    FXResult setRatesServerURL(const QString &url);

    // How old the downloaded rates may grow before they are downloaded again while the window is
    // open: "RatesRefreshInterval" in seconds, 6 hours unless set; 0 turns that off. Edited only
    // in the file; a value that is no number of seconds counts as unset.
    std::chrono::seconds ratesRefreshInterval() const;
    static constexpr std::chrono::seconds defaultRatesRefreshInterval{6 * 60 * 60};
    // How old the rates themselves may be before they are shown as old: "RatesStaleAge" in
    // seconds, a week unless set (the age up to which the rates server calls its rates current,
    // so that a long weekend of the central bank warns nobody).
    std::chrono::seconds ratesStaleAge() const;
    static constexpr std::chrono::seconds defaultRatesStaleAge{7 * 24 * 60 * 60};

private:
    // `code` as the rates table writes it, when the table carries it.
    std::optional<QString> knownCurrency(const QString &code) const;
    // The stored visible list read clean, or the main currencies when none is stored.
    QStringList visibleCurrencies(const QVariant &stored) const;
    // `edit` changes the visible list as stored and tells whether the change is done, to be
    // written and announced, or refused.
    FXResult editVisibleCurrencies(const std::function<FXResult(QStringList &)> &edit);
    FXResult announced(const FXResult &result);

    FXUserDefaults &m_userDefaults;
    const FXCurrencyLists &m_currencies;
    FXNotificationCenter &m_center;
};
