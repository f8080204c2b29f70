#include "FXRateHistoryStore.h"

#include "FXFetcher.h"
#include "FXHistoryAnswer.h"
#include "FXLocalizedString.h"
#include "FXRatesTable.h"

#include <QMetaObject>
#include <QObject>
#include <QUrlQuery>

struct FXRateHistoryStore::Pending {
    QUrl ratesUrl;
    QString address;   // as the user wrote it, for the messages
    QList<Request> requests;
    QObject *context;
    Completion done;

    void fail(const QString &reason) const
    {
        done(FXLocalizedString::format("cannot download the rate history from %@", address)
             + QStringLiteral(": ") + reason);
    }
};

FXRateHistoryStore::FXRateHistoryStore(FXRateHistoryDatabase &database, FXFetcher &fetcher,
                                       RatesServer ratesServer)
    : m_database(database)
    , m_fetcher(fetcher)
    , m_ratesServer(std::move(ratesServer))
{
}

QMap<QString, FXRateSeries> FXRateHistoryStore::series(const QStringList &currencies, QDate from,
                                                       QDate to) const
{
    return m_database.series(currencies, from, to);
}

QUrl FXRateHistoryStore::historyUrl(const QUrl &ratesUrl, const QStringList &currencies,
                                    FXDayRange range)
{
    QUrl url = ratesUrl;
    QString path = url.path();
    path.truncate(path.lastIndexOf(u'/') + 1);
    url.setPath((path.isEmpty() ? QStringLiteral("/") : path) + QStringLiteral("history.php"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("currency"), currencies.join(u','));
    query.addQueryItem(QStringLiteral("from"), range.first.toString(Qt::ISODate));
    query.addQueryItem(QStringLiteral("to"), range.last.toString(Qt::ISODate));
    url.setQuery(query);
    url.setFragment({});
    return url;
}

void FXRateHistoryStore::download(const QStringList &currencies, QDate from, QDate to,
                                  QObject *context, Completion done)
{
    auto pending = std::make_shared<Pending>();
    pending->address = m_ratesServer();
    pending->ratesUrl = QUrl(pending->address, QUrl::StrictMode);
    pending->context = context;
    pending->done = std::move(done);
    // Even an answer known at once comes later, as the interface promises.
    const auto answerLater = [&](const QString &failure) {
        QMetaObject::invokeMethod(context, [pending, failure] {
            if (failure.isEmpty())
                pending->done(QString());
            else
                pending->fail(failure);
        }, Qt::QueuedConnection);
    };
    const QUrl &url = pending->ratesUrl;
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty()) {
        answerLater(FXLocalizedString::text("not an HTTP address"));
        return;
    }

    // The base of every rate is never asked for: it reads 1 on each day kept.
    const FXDayRange asked{from, std::min(to, m_today())};
    QStringList missing;
    FXDayRange span{asked.last, asked.first};
    for (const QString &currency : currencies) {
        if (currency == FXRatesTable::baseCurrency() || missing.contains(currency))
            continue;
        const QList<FXDayRange> ranges = asked.first <= asked.last
                                             ? m_database.missingRanges(currency, asked)
                                             : QList<FXDayRange>();
        if (ranges.isEmpty())
            continue;
        missing.append(currency);
        span.first = std::min(span.first, ranges.first().first);
        span.last = std::max(span.last, ranges.last().last);
    }
    for (QDate first = span.first; !missing.isEmpty() && first <= span.last;) {
        const QDate last = std::min(span.last, first.addYears(MaximumYearsPerRequest).addDays(-1));
        for (qsizetype i = 0; i < missing.size(); i += MaximumCurrenciesPerRequest)
            pending->requests.append({missing.mid(i, MaximumCurrenciesPerRequest), {first, last}});
        first = last.addDays(1);
    }
    if (pending->requests.isEmpty()) {
        answerLater(QString());
        return;
    }
    fetchNext(pending);
}

void FXRateHistoryStore::fetchNext(const std::shared_ptr<Pending> &pending)
{
    if (pending->requests.isEmpty()) {
        pending->done(QString());
        return;
    }
    const Request request = pending->requests.takeFirst();
    FXFetchRequest fetch;
    fetch.url = historyUrl(pending->ratesUrl, request.currencies, request.range);
    m_fetcher.fetch(fetch, pending->context, [this, pending, request](const FXFetchResult &result) {
        if (!result.isSuccess()) {
            pending->fail(result.failureReason());
            return;
        }
        const FXHistoryAnswer answer = FXHistoryAnswer::read(result.body(), request.currencies,
                                                             request.range.first, request.range.last);
        if (!answer.failure.isEmpty()) {
            pending->fail(answer.failure);
            return;
        }
        // Today's rates may still be published: only the days before it count as downloaded.
        const FXDayRange done{request.range.first, std::min(request.range.last, m_today().addDays(-1))};
        const bool whole = done.first <= done.last;
        const QString failure = m_database.keepDownload(answer.series, whole ? request.currencies : QStringList(),
                                                        done);
        if (!failure.isEmpty()) {
            pending->done(failure);
            return;
        }
        fetchNext(pending);
    });
}
