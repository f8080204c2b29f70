#pragma once

#include "FXRateHistory.h"
#include "FXRateHistoryDatabase.h"

#include <QUrl>

#include <memory>

class FXFetcher;

// The daily rates kept on this computer (FXRateHistoryDatabase), and their download from the
// rates server's history answer, found beside the rates answer: the rates address with its last
// path segment replaced by "history.php". Main thread only, where the fetcher answers.
//
// A download asks only for what was never downloaded for a currency, and no more than ten years
// and MaximumCurrenciesPerRequest currencies at a time, one request after the other; a day that
// may still get its rates (today) is asked for again by the next download.
class FXRateHistoryStore : public FXRateHistory {
public:
    // The address of the rates answer, as the user wrote it, asked anew at each download.
    using RatesServer = std::function<QString()>;

    // What the server answers at most in one request, and what a rates-sized answer holds: ten
    // years of a day a line are some 90 KB a currency.
    static constexpr int MaximumYearsPerRequest = 10;
    static constexpr int MaximumCurrenciesPerRequest = 32;

    FXRateHistoryStore(FXRateHistoryDatabase &database, FXFetcher &fetcher, RatesServer ratesServer);

    QMap<QString, FXRateSeries> series(const QStringList &currencies, QDate from,
                                       QDate to) const override;
    void download(const QStringList &currencies, QDate from, QDate to, QObject *context,
                  Completion done) override;

    // The history request for `currencies` over `range` beside `ratesUrl`.
    static QUrl historyUrl(const QUrl &ratesUrl, const QStringList &currencies, FXDayRange range);

    // Today, the last day a download asks for.
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

private:
    struct Request {
        QStringList currencies;
        FXDayRange range;
    };
    struct Pending;
    void fetchNext(const std::shared_ptr<Pending> &pending);

    FXRateHistoryDatabase &m_database;
    FXFetcher &m_fetcher;
    RatesServer m_ratesServer;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
};
