#pragma once

#include <QDateTime>

#include <functional>
#include <list>
#include <memory>

// A call waiting for its moment. Destroying it cancels the call.
class FXAlarm {
public:
    virtual ~FXAlarm() = default;
};

// What the rates schedule asks of time: the current moment, and a call at a later one. The server
// runs on the system's clock; tests and simulations on a manual one that moves only when told.
class FXClock {
public:
    virtual ~FXClock() = default;

    virtual QDateTime now() const = 0;
    // Calls `action` on this thread from its event loop once `when` has come.
    [[nodiscard]] virtual std::unique_ptr<FXAlarm> alarmAt(const QDateTime &when,
                                                           std::function<void()> action) = 0;
};

// The wall clock. Its alarms look at the wall clock again before they ring, so that one set
// before a suspend rings soon after the resume, not a whole wait later.
class FXSystemClock final : public FXClock {
public:
    QDateTime now() const override;
    std::unique_ptr<FXAlarm> alarmAt(const QDateTime &when, std::function<void()> action) override;
};

// Time that stands still until advanceTo() moves it.
class FXManualClock final : public FXClock {
public:
    explicit FXManualClock(QDateTime start);

    QDateTime now() const override { return m_now; }
    std::unique_ptr<FXAlarm> alarmAt(const QDateTime &when, std::function<void()> action) override;

    // Moves time to `until`, stopping at each alarm due on the way (in the order of their moments)
    // and ringing it with the clock showing its moment. Never moves time back.
    void advanceTo(const QDateTime &until);
    // The moment of the earliest alarm still waiting; invalid when none waits.
    QDateTime nextAlarm() const;

private:
    struct Pending {
        QDateTime when;
        std::function<void()> action;   // emptied when the alarm is cancelled
    };
    class Alarm;

    void dropCancelled();

    QDateTime m_now;
    std::list<std::shared_ptr<Pending>> m_pending;
};
