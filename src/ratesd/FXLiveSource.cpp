#include "FXLiveSource.h"

#include "FXClock.h"
#include "FXFetchSchedule.h"
#include "FXFetcher.h"

namespace {

QString waitText(qint64 seconds)
{
    if (seconds < 120)
        return QString::number(seconds) + QStringLiteral(" s");
    if (seconds < 2 * 3600)
        return QString::number(seconds / 60) + QStringLiteral(" min");
    return QString::number(seconds / 3600) + QStringLiteral(" h");
}

}

FXLiveSource::FXLiveSource(QString name, QList<QUrl> urls, Reader reader, Schedule schedule, Screen screen,
                           FXClock &clock, FXFetcher &fetcher, std::chrono::milliseconds fetchTimeout,
                           FXLogger log, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
    , m_urls(std::move(urls))
    , m_reader(std::move(reader))
    , m_schedule(std::move(schedule))
    , m_screen(std::move(screen))
    , m_clock(clock)
    , m_fetcher(fetcher)
    , m_fetchTimeout(fetchTimeout)
    , m_log(std::move(log))
{
}

FXLiveSource::~FXLiveSource() = default;

void FXLiveSource::restore(const FXRateMap &rates, const FXHeldRates &held, const QDateTime &dataDate,
                           const QDateTime &lastSuccess)
{
    m_state.rates = rates;
    m_state.held = held;
    m_state.dataDate = dataDate;
    m_state.lastSuccess = lastSuccess;
}

void FXLiveSource::start(bool keepScheduling)
{
    m_keepScheduling = keepScheduling;
    fetch();
}

void FXLiveSource::fetch()
{
    if (m_fetching)
        return;
    m_nextFetch.reset();
    m_state.nextFetch = QDateTime();
    m_fetching = true;
    tryAddress(0);
}

void FXLiveSource::tryAddress(qsizetype index)
{
    const QUrl url = m_urls.at(index);
    FXFetchRequest request{.url = url, .deadline = m_fetchTimeout,
                           .userAgent = QByteArrayLiteral("cambio-ratesd/" CAMBIO_VERSION)};
    m_fetcher.fetch(request, this, [this, index, url](const FXFetchResult &result) {
        QString reason = result.failureReason();
        if (result.isSuccess()) {
            const FXReadResult read = m_reader(result.body());
            // The API dates its data by the day, which some time zones reach before UTC.
            const QDateTime latestDate = m_clock.now().addDays(1);
            if (read.isSuccess() && read.rates().date <= latestDate) {
                succeed(read.rates(), read.earlierDays());
                return;
            }
            reason = read.isSuccess() ? QStringLiteral("data dated %1, in the future")
                                            .arg(read.rates().date.toString(Qt::ISODate))
                                      : read.failureReason();
        }
        // With fallbacks, each reason tells whose it is.
        if (m_urls.size() > 1 && !reason.contains(url.host()))
            reason = url.host() + QStringLiteral(": ") + reason;
        if (index + 1 < m_urls.size()) {
            m_log(m_name + QStringLiteral(": ") + reason + QStringLiteral("; trying ") + m_urls.at(index + 1).host());
            tryAddress(index + 1);
        } else {
            fail(reason);
        }
    });
}

void FXLiveSource::succeed(const FXDatedRates &answer, const QList<FXDatedRates> &earlierDays)
{
    const QDateTime now = m_clock.now();
    m_fetching = false;
    // A date ahead of the clock would make the data look newer than anything that follows.
    const FXDatedRates dated{answer.rates, std::min(answer.date, now)};
    if (m_state.dataDate.isValid() && dated.date < m_state.dataDate) {
        // A mirror or a cache that lags behind: the newer data in force stays.
        m_log(m_name + QStringLiteral(": data of %1, older than the %2 in force; kept those")
                           .arg(dated.date.toString(Qt::ISODate), m_state.dataDate.toString(Qt::ISODate)));
    } else {
        FXScreenedRates screened = m_screen(dated, m_state);
        for (auto it = screened.held.cbegin(); it != screened.held.cend(); ++it) {
            if (!m_state.held.contains(it.key()))
                m_log(m_name + QStringLiteral(": %1 at %2 held back").arg(it.key()).arg(it->fromBase, 0, 'g', 10));
        }
        m_state.rates = std::move(screened.accepted);
        m_state.held = std::move(screened.held);
        m_state.dataDate = dated.date;
        // What a held code served on is the rate of an earlier day, not one of this day.
        QList<FXDatedRates> days = earlierDays;
        days.append({m_state.rates, dated.date});
        for (auto it = m_state.held.cbegin(); it != m_state.held.cend(); ++it)
            days.last().rates.remove(it.key());
        emit taken(days);
        m_log(m_name + QStringLiteral(": %1 currencies of %2")
                           .arg(m_state.rates.size())
                           .arg(m_state.dataDate.toString(Qt::ISODate)));
    }
    m_state.lastSuccess = now;
    m_state.consecutiveFailures = 0;
    if (m_keepScheduling)
        planFetch(m_schedule(now, answer));
    emit updated();
    emit attemptFinished();
}

void FXLiveSource::fail(const QString &reason)
{
    const QDateTime now = m_clock.now();
    m_fetching = false;
    m_state.lastFailure = now;
    m_state.lastError = reason;
    ++m_state.consecutiveFailures;
    if (m_keepScheduling) {
        const auto delay = FXFetchSchedule::retryDelay(m_state.consecutiveFailures);
        planFetch(now.addSecs(delay.count()));
        m_log(m_name + QStringLiteral(": ") + reason + QStringLiteral("; next attempt in ")
              + waitText(delay.count()));
    } else {
        m_log(m_name + QStringLiteral(": ") + reason);
    }
    emit attemptFinished();
}

void FXLiveSource::planFetch(const QDateTime &when)
{
    m_state.nextFetch = when;
    m_nextFetch = m_clock.alarmAt(when, [this] { fetch(); });
}
