#include "FXSettingsManager.h"

#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QUrl>

namespace {

const QString AutomaticUpdateKey = QStringLiteral("AutomaticUpdate");
const QString LocationBasedCurrencyKey = QStringLiteral("LocationBasedCurrency");
const QString VisibleCurrenciesKey = QStringLiteral("VisibleCurrencies");
// The fixed main currency, under the name of the key it has always been stored with.
const QString FixedMainCurrencyKey = QStringLiteral("UserBaseCurrency");
const QString NumberFormatLocaleKey = QStringLiteral("NumberFormatLocale");
const QString RatesServerURLKey = QStringLiteral("RatesServerURL");
const QString RatesRefreshIntervalKey = QStringLiteral("RatesRefreshInterval");
const QString RatesStaleAgeKey = QStringLiteral("RatesStaleAge");

// A currency code as the rates table writes it, whatever the case and space around it.
QString codeOf(const QString &text)
{
    return text.trimmed().toUpper();
}

// A stored number of seconds of at least `smallest`, else `fallback`. Ten years at most: beyond
// that no timer or date sum should have to go.
std::chrono::seconds storedSeconds(const FXUserDefaults &defaults, const QString &key,
                                   qint64 smallest, std::chrono::seconds fallback)
{
    constexpr qint64 largest = 10LL * 365 * 24 * 60 * 60;
    bool ok = false;
    const double stored = defaults.objectForKey(key).toDouble(&ok);
    if (!ok || !(stored >= double(smallest)) || stored > double(largest))
        return fallback;
    return std::chrono::seconds(qint64(stored));
}

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

std::optional<QString> FXSettingsManager::knownCurrency(const QString &code) const
{
    const QString upper = codeOf(code);
    return m_currencies.isKnownCurrency(upper) ? std::optional(upper) : std::nullopt;
}

QStringList FXSettingsManager::visibleCurrencies(const QVariant &stored) const
{
    const auto entries = FXUserDefaults::stringArray(stored);
    if (!entries)
        return m_currencies.mainCurrencies();
    QStringList currencies;
    for (const QString &entry : *entries) {
        const auto code = knownCurrency(entry);
        if (code && !currencies.contains(*code))
            currencies.append(*code);
    }
    return currencies;
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
    const auto stored = m_userDefaults.stringForKey(FixedMainCurrencyKey);
    return stored ? knownCurrency(*stored) : std::nullopt;
}

FXResult FXSettingsManager::setDefaultCurrency(const std::optional<QString> &currency)
{
    const FXResult result = currency ? m_userDefaults.setObject(*currency, FixedMainCurrencyKey)
                                     : m_userDefaults.removeObjectForKey(FixedMainCurrencyKey);
    return announced(result);
}

FXResult FXSettingsManager::setMainCurrency(const std::optional<QString> &fixed)
{
    // One write: whoever reads the main currency finds the switch that goes with it.
    return announced(m_userDefaults.setObjects(
        {{FixedMainCurrencyKey, fixed ? QVariant(*fixed) : QVariant()},
         {LocationBasedCurrencyKey, !fixed}}));
}

FXResult FXSettingsManager::addCurrencyToVisible(const QString &currency)
{
    // Whether the rates carry it does not depend on the list: asked before the edit takes the lock.
    const auto code = knownCurrency(currency);
    if (!code)
        return FXResult::refused(FXLocalizedString::format("unknown currency: %@", currency));
    return editVisibleCurrencies([&](QStringList &currencies) {
        if (currencies.contains(*code))
            return FXResult::refused(FXLocalizedString::format("already visible: %@", *code));
        currencies.prepend(*code);
        return FXResult::done();
    });
}

FXResult FXSettingsManager::removeCurrencyFromVisible(const QString &currency)
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        if (!currencies.removeOne(codeOf(currency)))
            return FXResult::refused(FXLocalizedString::format("not a visible currency: %@", currency));
        return FXResult::done();
    });
}

FXResult FXSettingsManager::exchangeCurrency(const QString &currency, const QString &withCurrency)
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        const qsizetype from = currencies.indexOf(codeOf(currency));
        const qsizetype to = currencies.indexOf(codeOf(withCurrency));
        if (from < 0 || to < 0) {
            return FXResult::refused(FXLocalizedString::format("not a visible currency: %@",
                                                               from < 0 ? currency : withCurrency));
        }
        currencies.move(from, to);
        return FXResult::done();
    });
}

FXResult FXSettingsManager::restoreDefaults()
{
    return editVisibleCurrencies([&](QStringList &currencies) {
        currencies = m_currencies.mainCurrencies();
        return FXResult::done();
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

std::chrono::seconds FXSettingsManager::ratesRefreshInterval() const
{
    return storedSeconds(m_userDefaults, RatesRefreshIntervalKey, 0, defaultRatesRefreshInterval);
}

std::chrono::seconds FXSettingsManager::ratesStaleAge() const
{
    return storedSeconds(m_userDefaults, RatesStaleAgeKey, 1, defaultRatesStaleAge);
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

FXResult FXSettingsManager::editVisibleCurrencies(const std::function<FXResult(QStringList &)> &edit)
{
    FXResult decision = FXResult::done();
    const FXResult written = m_userDefaults.editObject(
        VisibleCurrenciesKey, [&](const QVariant &stored) -> std::optional<QVariant> {
            QStringList currencies = visibleCurrencies(stored);
            decision = edit(currencies);
            return decision.isDone() ? std::optional<QVariant>(currencies) : std::nullopt;
        });
    return decision.isDone() ? announced(written) : decision;
}

FXResult FXSettingsManager::announced(const FXResult &result)
{
    if (result.isDone())
        m_center.postNotification(FXSettingsDidChangeNotification, this);
    return result;
}
