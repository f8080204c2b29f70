#pragma once

#include <QString>
#include <QStringList>

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
// user defaults and every change is written there at once.
class FXSettingsManager {
public:
    // The instance of the composition root (src/app).
    static FXSettingsManager &sharedManager();
    FXSettingsManager(FXUserDefaults &userDefaults, const FXCurrencyLists &currencies,
                      FXNotificationCenter &center);

    FXUserDefaults &userDefaults() const { return m_userDefaults; }
    void registerDefaults();

    bool isAutomaticUpdateAllowed() const;
    void setAutomaticUpdateAllowed(bool allowed);
    bool isLocationBasedCurrencyEnabled() const;
    void setLocationBasedCurrencyEnabled(bool enabled);

    QStringList visibleCurrencies() const;
    QStringList invisibleCurrencies() const;
    std::optional<QString> defaultCurrency() const;
    void setDefaultCurrency(const std::optional<QString> &currency);

    void addCurrencyToVisible(const QString &currency);
    void removeCurrencyFromVisible(const QString &currency);
    // Moves `currency` to the place `withCurrency` holds; nothing when either is not visible.
    void exchangeCurrency(const QString &currency, const QString &withCurrency);
    void restoreDefaults();

private:
    void storeVisibleCurrencies(const QStringList &currencies);

    FXUserDefaults &m_userDefaults;
    const FXCurrencyLists &m_currencies;
    FXNotificationCenter &m_center;
};
