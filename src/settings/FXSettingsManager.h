#pragma once

#include "FXResult.h"

#include <QString>
#include <QStringList>
#include <QVariant>

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
};

// The user's persistent choices: which currencies the converter shows and in what order, the fixed
// main currency, and the two switches. Keeps no copy: every read goes to the application group's
// user defaults and every change is written there at once. Each change says whether it reached
// the file; only a change that did is announced. Changes of the visible list are made from the
// list as stored at that moment, so edits of other processes in between are never lost.
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
    std::optional<QString> defaultCurrency() const;
    FXResult setDefaultCurrency(const std::optional<QString> &currency);
    // The user's choice of the main currency as one change: `fixed`, with the location switch
    // off, or none, with the switch on. The main currency is written first and the switch second;
    // the change is announced once, after both, so that whoever reads the main currency in force
    // then finds the switch as the user left it.
    FXResult setMainCurrency(const std::optional<QString> &fixed);

    FXResult addCurrencyToVisible(const QString &currency);
    FXResult removeCurrencyFromVisible(const QString &currency);
    // Moves `currency` to the place `withCurrency` holds; nothing when either is not visible.
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

private:
    // The stored visible list, or the main currencies when none is stored.
    QStringList visibleCurrencies(const QVariant &stored) const;
    // `edit` changes the stored list and tells whether it is to be written and announced.
    FXResult editVisibleCurrencies(const std::function<bool(QStringList &)> &edit);
    FXResult announced(const FXResult &result);

    FXUserDefaults &m_userDefaults;
    const FXCurrencyLists &m_currencies;
    FXNotificationCenter &m_center;
};
