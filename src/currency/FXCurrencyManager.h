#pragma once

#include "FXInputManager.h"
#include "FXRatesTable.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class FXFetcher;
class FXLocale;
class FXNotificationCenter;
class FXRatesFile;
class FXSettingsManager;

// Posted on the main thread, with the currency manager as the object, when a refresh of the rates
// has ended, whether or not it changed them, and when another process changed the stored rates.
// User info: FXRatesUpdateSucceededKey (bool), and FXRatesUpdateFailureReasonKey (text) when the
// refresh failed.
inline const QString FXRatesDidUpdateNotification = QStringLiteral("FXRatesDidUpdateNotification");
inline const QString FXRatesUpdateSucceededKey = QStringLiteral("succeeded");
inline const QString FXRatesUpdateFailureReasonKey = QStringLiteral("failureReason");

// How one refresh of the rates ended.
struct FXRefreshOutcome {
    bool replaced = false;   // the table in force is the new one
    QString failure;         // why not, or why the new table could not be stored; empty when fine

    QVariantMap userInfo() const;
};

// Knows the currencies: the rates in force and their conversion, which currencies the converter
// shows and which one is the main currency, their names and signs, and the refresh of the rates
// from the rates server. One instance per process; tests build their own.
class FXCurrencyManager : public FXCurrencySource {
public:
    // Where the country of the computer comes from: the location manager in the window, the stored
    // country in the command-line tool, which never starts locating.
    using CountryCodeSource = std::function<std::optional<QString>()>;
    // The address new rates come from, as the user wrote it, asked anew at each refresh: the user
    // may point it elsewhere.
    using RatesServer = std::function<QString()>;

    static FXCurrencyManager &sharedManager();
    FXCurrencyManager(FXRatesTable &ratesTable, FXRatesFile &ratesFile, FXSettingsManager &settings,
                      const FXLocale &locale, CountryCodeSource countryCode,
                      FXFetcher &fetcher, RatesServer ratesServer, FXNotificationCenter &center);

    FXSettingsManager &settingsManager() const { return m_settings; }
    // The locale of the names and signs.
    const FXLocale &locale() const { return m_locale; }
    const FXRatesTable &ratesTable() const { return m_table; }

    // The rates in force.
    std::optional<QString> currencyRatesPath() const;
    std::shared_ptr<const FXRatesDocument> currencyRates() const { return m_table.currencyRates(); }
    QStringList allCurrencies() const { return m_table.allCurrencies(); }
    QStringList mainCurrencies() const { return m_table.mainCurrencies(); }
    static QString baseCurrency() { return FXRatesTable::baseCurrency(); }
    bool hasRate(const QString &currency) const { return m_table.hasRate(currency); }
    double convertedAmount(double amount, const QString &fromCurrency,
                           const QString &toCurrency) const override
    {
        return m_table.convertedAmount(amount, fromCurrency, toCurrency);
    }

    // Which currencies, in which order.
    std::optional<QString> localeCurrency() const;
    // The main currency in force: the fixed one, else the locale's; while the main currency follows
    // the location and no country is known yet, the locale's.
    std::optional<QString> defaultCurrency() const override;
    // The source currency, the one being typed into; the main currency until something sets it.
    std::optional<QString> userBaseCurrency() const override;
    void setUserBaseCurrency(const std::optional<QString> &currency) override;
    QStringList auxCurrencies() const;
    // The visible currencies without the main currency, in their order.
    QStringList userPreferredCurrencies() const override;
    // The converter's rows: the main currency, then the other visible ones.
    QStringList userPreferredCurrenciesIncludingMain() const;
    // What could still be added: neither visible nor the main currency.
    QStringList availableAuxCurrencies() const;

    // Names and signs, in the current locale.
    static std::optional<QString> currencyCodeForCountryCode(const QString &countryCode);
    std::optional<QString> currencyNameForCode(const QString &code) const;
    QString currencySignForCode(const QString &code) const;
    QString currentDecimalSeparator() const;

    // Refreshing the rates, on the main thread: the download runs beside its event loop.
    // Starts a refresh and returns at once; its end is announced with
    // FXRatesDidUpdateNotification. While one runs, a refresh asked for joins it: its end is the
    // one announced.
    void updateCurrencyRates();
    using RefreshCompletion = std::function<void(const FXRefreshOutcome &)>;
    // One whole refresh: download, read, store; `done` is called at its end, from the event loop.
    void refreshRates(RefreshCompletion done);
    // True from the start of a refresh until its end has been announced.
    bool isUpdating() const { return m_refreshing; }
    // When this run last received usable rates; none before the first success.
    std::optional<QDateTime> lastUpdateDate() const { return m_lastUpdateDate; }
    // Why the last refresh that ended failed, as announced; empty when it went well or none has
    // ended yet. Main thread only.
    QString lastRefreshFailureReason() const { return m_lastRefreshFailure; }
    // The date of the rates in force (their own when the server told it, else that of their
    // download) as the status line shows it: a time today, a date and time when older than 12
    // hours, "yesterday" or "3 days ago" once older than a day, a date past a week.
    QString humanReadableUpdateDate() const;
    // Empty while the rates in force are younger than the settings' stale age, else what is wrong
    // with them: "Rates are 12 days old", and why no newer ones came when this run knows it: the
    // reason its last refresh failed, or that the server answered with the same old rates.
    QString staleRatesWarning() const;

    QString ratesServerURL() const { return m_ratesServer(); }
    // How long a refresh that received data waits before it ends (none unless set), and the clock.
    void setRefreshPause(int milliseconds) { m_refreshPauseMilliseconds = milliseconds; }
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // Told of the rates of each refresh that put new ones in force: the day they are of (their
    // own date when the server told it, else that of the download, in UTC) and each currency's
    // from_base as the answer gave it, without the rates kept from before for the others.
    using RatesRecorder = std::function<void(QDate day, const QHash<QString, double> &fromBase)>;
    void setRatesRecorder(RatesRecorder recorder) { m_recordRates = std::move(recorder); }

private:
    // Reads and stores a downloaded answer.
    FXRefreshOutcome store(const QByteArray &body, const QDateTime &lastModified,
                           const std::function<QString(const QString &)> &failure);

    FXRatesTable &m_table;
    FXRatesFile &m_ratesFile;
    FXSettingsManager &m_settings;
    const FXLocale &m_locale;
    CountryCodeSource m_countryCode;
    FXFetcher &m_fetcher;
    RatesServer m_ratesServer;
    FXNotificationCenter &m_center;

    std::optional<QString> m_userBaseCurrency;
    bool m_refreshing = false;
    QString m_lastRefreshFailure;
    std::optional<QDateTime> m_lastUpdateDate;
    int m_refreshPauseMilliseconds = 0;
    RatesRecorder m_recordRates;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTimeUtc(); };
    // Owns the downloads and pauses under way: they end, unannounced, with the manager, so that
    // quitting never waits for the network.
    QObject m_refreshes;
};
