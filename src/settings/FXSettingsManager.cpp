#include "FXSettingsManager.h"

#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

namespace {

const QString AutomaticUpdateKey = QStringLiteral("AutomaticUpdate");
const QString LocationBasedCurrencyKey = QStringLiteral("LocationBasedCurrency");
const QString VisibleCurrenciesKey = QStringLiteral("VisibleCurrencies");
const QString UserBaseCurrencyKey = QStringLiteral("UserBaseCurrency");

}

FXSettingsManager::FXSettingsManager(FXUserDefaults &userDefaults,
                                     const FXCurrencyLists &currencies,
                                     FXNotificationCenter &center)
    : m_userDefaults(userDefaults)
    , m_currencies(currencies)
    , m_center(center)
{
    registerDefaults();
}

void FXSettingsManager::registerDefaults()
{
    m_userDefaults.registerDefaults({{AutomaticUpdateKey, true}, {LocationBasedCurrencyKey, true}});
}

bool FXSettingsManager::isAutomaticUpdateAllowed() const
{
    return m_userDefaults.boolForKey(AutomaticUpdateKey);
}

void FXSettingsManager::setAutomaticUpdateAllowed(bool allowed)
{
    m_userDefaults.setBool(allowed, AutomaticUpdateKey);
}

bool FXSettingsManager::isLocationBasedCurrencyEnabled() const
{
    return m_userDefaults.boolForKey(LocationBasedCurrencyKey);
}

void FXSettingsManager::setLocationBasedCurrencyEnabled(bool enabled)
{
    m_userDefaults.setBool(enabled, LocationBasedCurrencyKey);
}

QStringList FXSettingsManager::visibleCurrencies() const
{
    return m_userDefaults.stringArrayForKey(VisibleCurrenciesKey)
        .value_or(m_currencies.mainCurrencies());
}

QStringList FXSettingsManager::invisibleCurrencies() const
{
    const QStringList visible = visibleCurrencies();
    QStringList invisible = m_currencies.allCurrencies();
    invisible.removeIf([&](const QString &code) { return visible.contains(code); });
    return invisible;
}

std::optional<QString> FXSettingsManager::defaultCurrency() const
{
    return m_userDefaults.stringForKey(UserBaseCurrencyKey);
}

void FXSettingsManager::setDefaultCurrency(const std::optional<QString> &currency)
{
    if (currency)
        m_userDefaults.setObject(*currency, UserBaseCurrencyKey);
    else
        m_userDefaults.removeObjectForKey(UserBaseCurrencyKey);
    m_center.postNotification(FXSettingsDidChangeNotification, this);
}

void FXSettingsManager::addCurrencyToVisible(const QString &currency)
{
    QStringList currencies = visibleCurrencies();
    currencies.prepend(currency);
    storeVisibleCurrencies(currencies);
}

void FXSettingsManager::removeCurrencyFromVisible(const QString &currency)
{
    QStringList currencies = visibleCurrencies();
    currencies.removeAll(currency);
    storeVisibleCurrencies(currencies);
}

void FXSettingsManager::exchangeCurrency(const QString &currency, const QString &withCurrency)
{
    QStringList currencies = visibleCurrencies();
    const qsizetype from = currencies.indexOf(currency);
    const qsizetype to = currencies.indexOf(withCurrency);
    if (from < 0 || to < 0)
        return;
    currencies.removeAt(from);
    currencies.insert(to, currency);
    storeVisibleCurrencies(currencies);
}

void FXSettingsManager::restoreDefaults()
{
    storeVisibleCurrencies(m_currencies.mainCurrencies());
}

void FXSettingsManager::storeVisibleCurrencies(const QStringList &currencies)
{
    m_userDefaults.setObject(currencies, VisibleCurrenciesKey);
    m_center.postNotification(FXSettingsDidChangeNotification, this);
}
