#include "FXSettingsManager.h"

#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QUrl>

namespace {

const QString AutomaticUpdateKey = QStringLiteral("AutomaticUpdate");
const QString LocationBasedCurrencyKey = QStringLiteral("LocationBasedCurrency");
const QString VisibleCurrenciesKey = QStringLiteral("VisibleCurrencies");
const QString UserBaseCurrencyKey = QStringLiteral("UserBaseCurrency");
const QString NumberFormatLocaleKey = QStringLiteral("NumberFormatLocale");
const QString RatesServerURLKey = QStringLiteral("RatesServerURL");

// The value stored under `key` without surrounding space; none when that leaves nothing.
std::optional<QString> trimmedString(const FXUserDefaults &defaults, const QString &key)
{
    const QString value = defaults.stringForKey(key).value_or(QString()).trimmed();
    return value.isEmpty() ? std::nullopt : std::optional(value);
}

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

FXResult FXSettingsManager::setMainCurrency(const std::optional<QString> &fixed)
{
    const FXResult currency = fixed ? m_userDefaults.setObject(*fixed, UserBaseCurrencyKey)
                                    : m_userDefaults.removeObjectForKey(UserBaseCurrencyKey);
    if (!currency.isDone())
        return currency;
    const FXResult location = setLocationBasedCurrencyEnabled(!fixed);
    // The main currency changed even when the switch could not follow.
    announced(currency);
    return location;
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

std::optional<QString> FXSettingsManager::numberFormatLocale() const
{
    return trimmedString(m_userDefaults, NumberFormatLocaleKey);
}

FXResult FXSettingsManager::setNumberFormatLocale(const std::optional<QString> &identifier)
{
    return identifier ? m_userDefaults.setObject(*identifier, NumberFormatLocaleKey)
                      : m_userDefaults.removeObjectForKey(NumberFormatLocaleKey);
}

std::optional<QString> FXSettingsManager::ratesServerURL() const
{
    return trimmedString(m_userDefaults, RatesServerURLKey);
}

FXResult FXSettingsManager::setRatesServerURL(const QString &url)
{
    const QString trimmed = url.trimmed();
    if (trimmed.isEmpty())
        return m_userDefaults.removeObjectForKey(RatesServerURLKey);
    const QUrl parsed(trimmed, QUrl::StrictMode);
    if (!parsed.isValid() || (parsed.scheme() != u"http" && parsed.scheme() != u"https")
        || parsed.host().isEmpty()) {
        return FXResult::failed(FXLocalizedString::format("not an HTTP address: %@", trimmed));
    }
    return m_userDefaults.setObject(trimmed, RatesServerURLKey);
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
