#pragma once

#include "FXRefreshOccasion.h"

#include <QDateTime>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FXCurrencyManager;
class FXNotificationCenter;
struct FXNotification;

// Calls back once after a delay; the scheduler's only timer.
class FXRefreshTimer {
public:
    virtual ~FXRefreshTimer() = default;
    // Calls `fired` once after `delay` on the main thread, in place of any earlier start.
    virtual void start(std::chrono::milliseconds delay, std::function<void()> fired) = 0;
    virtual void stop() = 0;
};

// FXRefreshTimer over a QTimer: coarse, since a second more or less does not matter to a refresh,
// and the system may then wake the program together with others.
class FXQtRefreshTimer : public FXRefreshTimer {
public:
    FXQtRefreshTimer();
    void start(std::chrono::milliseconds delay, std::function<void()> fired) override;
    void stop() override;

private:
    QTimer m_timer;
    std::function<void()> m_fired;
};

// Keeps the rates current while the window is open, shown or not: refreshes them when their
// download is older than the settings' refresh interval (judged by the stored document's "Date",
// which a refresh of cambio-cli or of another window moves too, so that none of them fetches what
// another has just fetched), retries a failed refresh after 1 minute, then 2, 4 and so on up to an
// hour until one succeeds, and after the network comes back or the computer wakes refreshes at
// once when a refresh is due or the last one failed. A refresh interval of 0 turns all of it off.
//
// It starts the currency manager's refreshes, which never block the main thread and join a
// refresh under way, and learns how each ended from FXRatesDidUpdateNotification. It starts with
// the end of the first refresh, which the window makes once it is on screen: until then it arms
// no timer and watches no occasion, since watching loads libraries the first frame does not need.
// Main thread only.
class FXRefreshScheduler {
public:
    using Clock = std::function<QDateTime()>;
    static constexpr std::chrono::seconds firstRetry{60};
    static constexpr std::chrono::seconds longestRetry{60 * 60};

    FXRefreshScheduler(FXCurrencyManager &currencies, FXNotificationCenter &center,
                       FXRefreshTimer &timer,
                       std::vector<std::unique_ptr<FXRefreshOccasion>> occasions, Clock now);
    ~FXRefreshScheduler();
    FXRefreshScheduler(const FXRefreshScheduler &) = delete;
    FXRefreshScheduler &operator=(const FXRefreshScheduler &) = delete;

    // When the next refresh starts by itself; none before the first refresh has ended, while one
    // runs, and while automatic refresh is off.
    std::optional<QDateTime> nextRefresh() const;

private:
    void refreshDidEnd(const FXNotification &notification);
    // Arms the timer for nextRefresh().
    void schedule();
    void timerFired();
    void occasionHappened();
    // When a refresh is due by the age of the download or, after failures, by the back-off.
    std::optional<QDateTime> dueDate() const;

    FXCurrencyManager &m_currencies;
    FXNotificationCenter &m_center;
    QObject m_observing;   // the context of its observation
    FXRefreshTimer &m_timer;
    std::vector<std::unique_ptr<FXRefreshOccasion>> m_occasions;
    Clock m_now;
    bool m_started = false;
    int m_failuresInARow = 0;
    QDateTime m_lastFailure;
};
