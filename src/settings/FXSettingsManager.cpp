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

FXResult FXSettingsManager::setAutomaticUpdateAllowed(bool allowed)
{
    return m_userDefaults.setBool(allowed, AutomaticUpdateKey);
}

bool FXSettingsManager::isLocationBasedCurrencyEnabled() const
{
    return m_userDefaults.boolForKey(LocationBasedCurrencyKey);
}

FXResult FXSettingsManager::setLocationBasedCurrencyEnabled(bool enabled)
{
    return m_userDefaults.setBool(enabled, LocationBasedCurrencyKey);
}

QStringList FXSettingsManager::visibleCurrencies() const
{
    return visibleCurrencies(m_userDefaults.objectForKey(VisibleCurrenciesKey));
}

QStringList FXSettingsManager::visibleCurrencies(const QVariant &stored) const
{
    return FXUserDefaults::stringArray(stored).value_or(m_currencies.mainCurrencies());
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

FXResult FXSettingsManager::setDefaultCurrency(const std::optional<QString> &currency)
{
    const FXResult result = currency ? m_userDefaults.setObject(*currency, UserBaseCurrencyKey)
                                     : m_userDefaults.removeObjectForKey(UserBaseCurrencyKey);
    return announced(result);
}

FXResult FXSettingsManager::addCurrencyToVisible(const QString &currency)
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        currencies.prepend(currency);
        return true;
    });
}

FXResult FXSettingsManager::removeCurrencyFromVisible(const QString &currency)
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        currencies.removeAll(currency);
        return true;
    });
}

FXResult FXSettingsManager::exchangeCurrency(const QString &currency, const QString &withCurrency)
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        const qsizetype from = currencies.indexOf(currency);
        const qsizetype to = currencies.indexOf(withCurrency);
        if (from < 0 || to < 0)
            return false;
        currencies.removeAt(from);
        currencies.insert(to, currency);
        return true;
    });
}

FXResult FXSettingsManager::restoreDefaults()
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        currencies = m_currencies.mainCurrencies();
        return true;
    });
}

FXResult FXSettingsManager::editVisibleCurrencies(const std::function<bool(QStringList &)> &edit)
{
    bool changed = false;
    const FXResult result = m_userDefaults.editObject(
        VisibleCurrenciesKey, [&](const QVariant &stored) -> std::optional<QVariant> {
            QStringList currencies = visibleCurrencies(stored);
            changed = edit(currencies);
            return changed ? std::optional<QVariant>(currencies) : std::nullopt;
        });
    return changed ? announced(result) : result;
}

FXResult FXSettingsManager::announced(const FXResult &result)
{
    if (result.isDone())
        m_center.postNotification(FXSettingsDidChangeNotification, this);
    return result;
}
