#include "FXRefreshScheduler.h"

#include "FXCurrencyManager.h"
#include "FXNotificationCenter.h"
#include "FXSettingsManager.h"

#include <algorithm>

namespace {

// A timer never waits longer: the wall clock may be set meanwhile, and the time the timer counts
// stands still while the computer sleeps.
constexpr qint64 LongestWaitMilliseconds = 60 * 60 * 1000;

}

FXQtRefreshTimer::FXQtRefreshTimer()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_fired)
            m_fired();
    });
}

void FXQtRefreshTimer::start(std::chrono::milliseconds delay, std::function<void()> fired)
{
    m_fired = std::move(fired);
    m_timer.start(delay);
}

void FXQtRefreshTimer::stop()
{
    m_timer.stop();
}

FXRefreshScheduler::FXRefreshScheduler(FXCurrencyManager &currencies, FXNotificationCenter &center,
                                       FXRefreshTimer &timer,
                                       std::vector<std::unique_ptr<FXRefreshOccasion>> occasions,
                                       Clock now)
    : m_currencies(currencies)
    , m_center(center)
    , m_timer(timer)
    , m_occasions(std::move(occasions))
    , m_now(std::move(now))
{
    m_center.addObserver(&m_observing, FXRatesDidUpdateNotification,
                         [this](const FXNotification &notification) { refreshDidEnd(notification); },
                         &m_currencies);
}

FXRefreshScheduler::~FXRefreshScheduler()
{
    m_timer.stop();
}

std::optional<QDateTime> FXRefreshScheduler::dueDate() const
{
    const qint64 interval = m_currencies.settingsManager().ratesRefreshInterval().count();
    if (interval == 0)
        return std::nullopt;
    if (m_failuresInARow > 0) {
        const qint64 retry = std::min<qint64>(firstRetry.count() << std::min(m_failuresInARow - 1, 6),
                                              longestRetry.count());
        return m_lastFailure.addSecs(retry);
    }
    const QDateTime now = m_now();
    const auto document = m_currencies.currencyRates();
    const QDateTime downloaded = document ? document->date() : QDateTime();
    if (!downloaded.isValid())
        return now;
    // A download dated in the future (a clock set back since) counts as one made now.
    return std::min(downloaded, now).addSecs(interval);
}

std::optional<QDateTime> FXRefreshScheduler::nextRefresh() const
{
    if (!m_started || m_currencies.isUpdating())
        return std::nullopt;
    return dueDate();
}

void FXRefreshScheduler::refreshDidEnd(const FXNotification &notification)
{
    if (!m_started) {
        m_started = true;
        for (const auto &occasion : m_occasions)
            occasion->watch([this] { occasionHappened(); });
    }
    if (notification.userInfo.value(FXRatesUpdateSucceededKey, true).toBool()) {
        m_failuresInARow = 0;
    } else {
        ++m_failuresInARow;
        m_lastFailure = m_now();
    }
    schedule();
}

void FXRefreshScheduler::schedule()
{
    m_timer.stop();
    const auto next = nextRefresh();
    if (!next)
        return;
    const qint64 wait = std::clamp<qint64>(m_now().msecsTo(*next), 0, LongestWaitMilliseconds);
    m_timer.start(std::chrono::milliseconds(wait), [this] { timerFired(); });
}

void FXRefreshScheduler::timerFired()
{
    const auto next = nextRefresh();
    if (!next)
        return;
    if (*next <= m_now())
        m_currencies.updateCurrencyRates();
    else
        schedule();
}

void FXRefreshScheduler::occasionHappened()
{
    if (!m_started || m_currencies.isUpdating()
        || m_currencies.settingsManager().ratesRefreshInterval().count() == 0)
        return;
    const auto due = dueDate();
    if (m_failuresInARow > 0 || (due && *due <= m_now())) {
        m_timer.stop();
        m_currencies.updateCurrencyRates();
    }
}
