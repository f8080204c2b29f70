#include "FXLiveSource.h"

#include "FXClock.h"
#include "FXFetchSchedule.h"
#include "FXHttpFetcher.h"

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

FXLiveSource::FXLiveSource(QString name, QList<QUrl> urls, Reader reader, Schedule schedule,
                           FXClock &clock, FXHttpFetcher &fetcher, FXLogger log, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
    , m_urls(std::move(urls))
    , m_reader(std::move(reader))
    , m_schedule(std::move(schedule))
    , m_clock(clock)
    , m_fetcher(fetcher)
    , m_log(std::move(log))
{
}

FXLiveSource::~FXLiveSource() = default;

void FXLiveSource::restore(const FXRateMap &rates, const QDateTime &dataDate, const QDateTime &lastSuccess)
{
    m_state.rates = rates;
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
    m_fetcher.get(url, this, [this, index, url](const FXFetchResult &result) {
        QString reason = result.failureReason();
        if (result.isSuccess()) {
            const FXReadResult read = m_reader(result.body());
            if (read.isSuccess()) {
                succeed(read.rates());
                return;
            }
            reason = read.failureReason();
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

void FXLiveSource::succeed(const FXDatedRates &answer)
{
    const QDateTime now = m_clock.now();
    m_fetching = false;
    for (auto it = answer.rates.cbegin(); it != answer.rates.cend(); ++it)
        m_state.rates.insert(it.key(), it.value());
    // A date ahead of the clock would make the data look newer than anything that follows.
    m_state.dataDate = answer.date.isValid() ? std::min(answer.date, now) : now;
    m_state.lastSuccess = now;
    m_state.consecutiveFailures = 0;
    m_log(m_name + QStringLiteral(": %1 currencies of %2")
                       .arg(answer.rates.size())
                       .arg(m_state.dataDate.toString(Qt::ISODate)));
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
