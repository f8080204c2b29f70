#include "FXCurrencyManager.h"

#include "FXFetcher.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXRatesAge.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>

namespace {

QStringList without(QStringList list, const QStringList &removed)
{
    list.removeIf([&](const QString &code) { return removed.contains(code); });
    return list;
}

QStringList without(QStringList list, const std::optional<QString> &removed)
{
    if (removed)
        list.removeAll(*removed);
    return list;
}

}

FXCurrencyManager::FXCurrencyManager(FXRatesTable &ratesTable, FXRatesFile &ratesFile,
                                     FXSettingsManager &settings, const FXLocale &locale,
                                     CountryCodeSource countryCode, FXFetcher &fetcher,
                                     RatesServer ratesServer, FXNotificationCenter &center)
    : m_table(ratesTable)
    , m_ratesFile(ratesFile)
    , m_settings(settings)
    , m_locale(locale)
    , m_countryCode(std::move(countryCode))
    , m_fetcher(fetcher)
    , m_ratesServer(std::move(ratesServer))
    , m_center(center)
{
}

std::optional<QString> FXCurrencyManager::currencyRatesPath() const
{
    return m_ratesFile.path();
}

std::optional<QString> FXCurrencyManager::localeCurrency() const
{
    return m_locale.currencyCode();
}

std::optional<QString> FXCurrencyManager::defaultCurrency() const
{
    if (m_settings.isLocationBasedCurrencyEnabled() && !m_countryCode())
        return localeCurrency();
    if (auto fixed = m_settings.defaultCurrency())
        return fixed;
    return localeCurrency();
}

std::optional<QString> FXCurrencyManager::userBaseCurrency() const
{
    return m_userBaseCurrency ? m_userBaseCurrency : defaultCurrency();
}

void FXCurrencyManager::setUserBaseCurrency(const std::optional<QString> &currency)
{
    m_userBaseCurrency = currency;
}

QStringList FXCurrencyManager::auxCurrencies() const
{
    return without(allCurrencies(), mainCurrencies());
}

QStringList FXCurrencyManager::userPreferredCurrencies() const
{
    return without(m_settings.visibleCurrencies(), defaultCurrency());
}

QStringList FXCurrencyManager::userPreferredCurrenciesIncludingMain() const
{
    const auto main = defaultCurrency();
    QStringList rows = without(m_settings.visibleCurrencies(), main);
    if (main)
        rows.prepend(*main);
    return rows;
}

QStringList FXCurrencyManager::availableAuxCurrencies() const
{
    return without(without(allCurrencies(), m_settings.visibleCurrencies()), defaultCurrency());
}

std::optional<QString> FXCurrencyManager::currencyCodeForCountryCode(const QString &countryCode)
{
    return FXLocale::currencyCodeForRegion(countryCode);
}

std::optional<QString> FXCurrencyManager::currencyNameForCode(const QString &code) const
{
    if (auto name = m_locale.displayNameForCurrency(code))
        return name;
    // Bitcoin, and codes newer than ICU's data: the names of our own, in English where the
    // language has none.
    static const QJsonObject ownNames = [] {
        QFile names(QStringLiteral(":/currency-names.json"));
        return names.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(names.readAll()).object()
                                               : QJsonObject();
    }();
    const QJsonObject names = ownNames.value(code).toObject();
    if (names.isEmpty())
        return std::nullopt;
    const QString language = m_locale.identifier().section(u'_', 0, 0);
    return names.value(language).toString(names.value(u"en").toString());
}

QString FXCurrencyManager::currencySignForCode(const QString &code) const
{
    return m_locale.symbolForCurrency(code).value_or(code);
}

QString FXCurrencyManager::currentDecimalSeparator() const
{
    return m_locale.decimalSeparator();
}

QVariantMap FXRefreshOutcome::userInfo() const
{
    QVariantMap info{{FXRatesUpdateSucceededKey, failure.isEmpty()}};
    if (!failure.isEmpty())
        info.insert(FXRatesUpdateFailureReasonKey, failure);
    return info;
}

void FXCurrencyManager::updateCurrencyRates()
{
    // A second download at once would fetch the same rates again.
    if (m_refreshing)
        return;
    m_refreshing = true;
    refreshRates([this](const FXRefreshOutcome &outcome) {
        m_refreshing = false;
        m_lastRefreshFailure = outcome.failure;
        m_center.postNotification(FXRatesDidUpdateNotification, this, outcome.userInfo());
    });
}

void FXCurrencyManager::refreshRates(RefreshCompletion done)
{
    // Messages quote the address as it was written: QUrl makes one it cannot read empty.
    const QString address = m_ratesServer();
    const auto failure = [address](const QString &reason) -> QString {
        return FXLocalizedString::text("cannot update the rates from %1: %2").arg(address, reason);
    };
    const auto end = [this, done](const FXRefreshOutcome &outcome, int pause) {
        QTimer::singleShot(pause, &m_refreshes, [done, outcome] { done(outcome); });
    };
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty()) {
        end({false, failure(FXLocalizedString::text("not an HTTP address"))}, 0);
        return;
    }
    m_fetcher.fetch({.url = url}, &m_refreshes, [this, failure, end](const FXFetchResult &download) {
        if (!download.isSuccess()) {
            end({false, failure(download.failureReason())}, 0);
            return;
        }
        const FXRefreshOutcome outcome = store(download.body(), download.lastModified(), failure);
        end(outcome, outcome.replaced ? m_refreshPauseMilliseconds : 0);
    });
}

FXRefreshOutcome FXCurrencyManager::store(const QByteArray &body, const QDateTime &lastModified,
                                          const std::function<QString(const QString &)> &failure)
{
    const QDateTime now = m_now();
    FXServerRates answer = FXRatesDocument::fromServerResponse(body, now, lastModified,
                                                               m_table.currencyRates().get());
    if (!answer.document)
        return {false, failure(answer.failure)};
    m_lastUpdateDate = now;
    FXRefreshOutcome outcome{true, QString()};
    auto replacement = std::make_shared<const FXRatesDocument>(std::move(*answer.document));
    if (!m_ratesFile.write(replacement->propertyList())) {
        outcome.failure = FXLocalizedString::format("the new rates could not be stored in %@",
                                                    m_ratesFile.path().value_or(QString()));
    }
    if (m_recordRates) {
        QHash<QString, double> answered;
        for (const QString &code : std::as_const(answer.answeredCodes))
            answered.insert(code, replacement->rate(code).fromBase);
        m_recordRates(replacement->shownDate().toUTC().date(), answered);
    }
    m_table.setCurrencyRates(std::move(replacement));
    return outcome;
}

QString FXCurrencyManager::humanReadableUpdateDate() const
{
    const auto document = currencyRates();
    if (!document || !document->shownDate().isValid())
        return {};
    return FXRatesAge(m_locale).humanReadableDate(document->shownDate(), m_now());
}

QString FXCurrencyManager::staleRatesWarning() const
{
    const auto document = currencyRates();
    if (!document || !document->shownDate().isValid())
        return {};
    const QDateTime shown = document->shownDate();
    const QDateTime now = m_now();
    if (shown.secsTo(now) <= m_settings.ratesStaleAge().count())
        return {};
    // Whole sentences, which each language punctuates in its own way.
    const QString age = FXRatesAge(m_locale).duration(shown, now);
    if (!m_lastRefreshFailure.isEmpty())
        return FXLocalizedString::text("Rates are %1 old: %2").arg(age, m_lastRefreshFailure);
    if (lastUpdateDate())
        return FXLocalizedString::format("Rates are %@ old: the rates server has no newer rates", age);
    return FXLocalizedString::format("Rates are %@ old", age);
}
