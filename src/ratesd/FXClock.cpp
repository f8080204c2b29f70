#include "FXClock.h"

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {

// A sleeping machine stops the timer but not the wall clock, so a long wait is taken in short
// steps, each measured anew against the wall clock.
constexpr qint64 longestStepMilliseconds = 5 * 60 * 1000;

class SystemAlarm final : public FXAlarm {
public:
    SystemAlarm(QDateTime when, std::function<void()> action)
        : m_when(std::move(when))
        , m_action(std::move(action))
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { step(); });
        arm();
    }

private:
    void arm()
    {
        const qint64 wait = QDateTime::currentDateTimeUtc().msecsTo(m_when);
        m_timer.start(std::chrono::milliseconds(std::clamp<qint64>(wait, 0, longestStepMilliseconds)));
    }

    void step()
    {
        if (QDateTime::currentDateTimeUtc() < m_when)
            arm();
        else {
            // The action may well destroy this alarm: it runs from a copy on the stack.
            const std::function<void()> action = m_action;
            action();
        }
    }

    QTimer m_timer;
    QDateTime m_when;
    std::function<void()> m_action;
};

}

QDateTime FXSystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

std::unique_ptr<FXAlarm> FXSystemClock::alarmAt(const QDateTime &when, std::function<void()> action)
{
    return std::make_unique<SystemAlarm>(when, std::move(action));
}

class FXManualClock::Alarm final : public FXAlarm {
public:
    explicit Alarm(std::shared_ptr<Pending> pending) : m_pending(std::move(pending)) {}
    ~Alarm() override { m_pending->action = nullptr; }

private:
    std::shared_ptr<Pending> m_pending;
};

FXManualClock::FXManualClock(QDateTime start)
    : m_now(std::move(start))
{
}

std::unique_ptr<FXAlarm> FXManualClock::alarmAt(const QDateTime &when, std::function<void()> action)
{
    auto pending = std::make_shared<Pending>(Pending{when, std::move(action)});
    m_pending.push_back(pending);
    return std::make_unique<Alarm>(std::move(pending));
}

void FXManualClock::dropCancelled()
{
    m_pending.remove_if([](const std::shared_ptr<Pending> &pending) { return !pending->action; });
}

QDateTime FXManualClock::nextAlarm() const
{
    QDateTime earliest;
    for (const auto &pending : m_pending) {
        if (pending->action && (!earliest.isValid() || pending->when < earliest))
            earliest = pending->when;
    }
    return earliest;
}

void FXManualClock::advanceTo(const QDateTime &until)
{
    for (;;) {
        dropCancelled();
        // The first of the earliest, so that alarms for one moment ring in the order they were set.
        const auto due = std::min_element(m_pending.cbegin(), m_pending.cend(),
                                          [](const auto &a, const auto &b) { return a->when < b->when; });
        if (due == m_pending.cend() || (*due)->when > until)
            break;
        const std::shared_ptr<Pending> pending = *due;
        m_pending.erase(due);
        m_now = std::max(m_now, pending->when);
        const std::function<void()> action = std::move(pending->action);
        pending->action = nullptr;
        action();
    }
    m_now = std::max(m_now, until);
}
