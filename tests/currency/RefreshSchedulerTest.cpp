#include "CurrencyCore.h"
#include "FXRefreshScheduler.h"
#include "LoopbackHttpServer.h"
#include "ReadableName.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QDateTime Start(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC);

// Fires only when the test says so; knows when it would fire by the test's clock.
class ManualTimer : public FXRefreshTimer {
public:
    explicit ManualTimer(const QDateTime &now) : m_now(now) {}
    void start(std::chrono::milliseconds delay, std::function<void()> fired) override
    {
        m_due = m_now.addMSecs(delay.count());
        m_fired = std::move(fired);
    }
    void stop() override { m_due.reset(); }

    std::optional<QDateTime> due() const { return m_due; }
    void fire()
    {
        m_due.reset();
        m_fired();
    }

private:
    const QDateTime &m_now;
    std::optional<QDateTime> m_due;
    std::function<void()> m_fired;
};

class ManualOccasion : public FXRefreshOccasion {
public:
    void watch(std::function<void()> happened) override { m_happened = std::move(happened); }
    bool isWatched() const { return bool(m_happened); }
    void happen() { m_happened(); }

private:
    std::function<void()> m_happened;
};

// The window's schedule over the core's currency manager and a loopback rates server, with a clock
// and a timer that move only when the test moves them.
class RefreshSchedule : public CurrencyCore {
protected:
    RefreshSchedule()
    {
        plant({{QStringLiteral("USD"), rate(1, 1)}});
        ratesServer = server.url().toString();
        setFailing(false);
        currencies.setClock([this] { return now; });
        center.addObserver(&observer, FXRatesDidUpdateNotification,
                           [this](const FXNotification &) { ++announcements; }, &currencies);
    }

    void setFailing(bool failing)
    {
        server.setResponse({failing ? 503 : 200, R"({"EUR": {"from_base": 0.5, "to_base": 2.0}})"});
    }
    qsizetype downloads() const { return server.requests().size(); }

    // Starts a refresh as the window does once it is on screen, and lets it end.
    void refreshNow()
    {
        const int before = announcements;
        currencies.updateCurrencyRates();
        ASSERT_TRUE(runUntil([&] { return announcements > before; }));
    }
    // Moves the clock from timer to timer until `until`, letting each refresh they start end.
    void runTimersUntil(const QDateTime &until)
    {
        while (timer.due() && *timer.due() <= until) {
            now = *timer.due();
            const int before = announcements;
            timer.fire();
            if (currencies.isUpdating()) {
                ASSERT_TRUE(runUntil([&] { return announcements > before; }));
            }
        }
        now = until;
    }
    qint64 secondsToNextRefresh() const
    {
        const auto next = scheduler.nextRefresh();
        return next ? now.secsTo(*next) : -1;
    }

    LoopbackHttpServer server;
    QDateTime now = Start;
    ManualTimer timer{now};
    ManualOccasion *network = new ManualOccasion;
    ManualOccasion *wake = new ManualOccasion;
    FXRefreshScheduler scheduler{currencies, center, timer, [this] {
        std::vector<std::unique_ptr<FXRefreshOccasion>> occasions;
        occasions.emplace_back(network);
        occasions.emplace_back(wake);
        return occasions;
    }(), [this] { return now; }};
    int announcements = 0;
};

struct Interval {
    const char *name;
    QVariant stored;         // "RatesRefreshInterval"; invalid when not set
    qint64 seconds;          // between two refreshes; 0 when they never come by themselves
};
void PrintTo(const Interval &interval, std::ostream *out) { *out << interval.name; }
class RefreshInterval : public RefreshSchedule, public ::testing::WithParamInterface<Interval> {};

}

// Nothing is scheduled nor watched before the first refresh, which the window starts, has ended.
TEST_P(RefreshInterval, RefreshesWhenTheDownloadIsThatOld)
{
    EXPECT_FALSE(scheduler.nextRefresh() || timer.due() || network->isWatched() || wake->isWatched());
    if (GetParam().stored.isValid())
        defaults.setObject(GetParam().stored, QStringLiteral("RatesRefreshInterval"));
    refreshNow();
    const qint64 interval = GetParam().seconds;
    if (interval == 0) {
        EXPECT_FALSE(timer.due());
        now = now.addDays(30);
        network->happen();
        wake->happen();
        EXPECT_EQ(downloads(), 1);
        return;
    }
    for (int refreshes = 2; refreshes <= 4; ++refreshes) {
        runTimersUntil(Start.addSecs((refreshes - 1) * interval - 1));
        EXPECT_EQ(downloads(), refreshes - 1);
        runTimersUntil(Start.addSecs((refreshes - 1) * interval));
        EXPECT_EQ(downloads(), refreshes);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, RefreshInterval, ::testing::Values(
    Interval{"six hours unless set", QVariant(), 6 * 3600},
    Interval{"as set", 90 * 60, 90 * 60},
    Interval{"as set in the file's text", QStringLiteral("7200"), 7200},
    Interval{"zero turns it off", 0, 0},
    Interval{"a negative number counts as unset", -60, 6 * 3600},
    Interval{"a word counts as unset", QStringLiteral("hourly"), 6 * 3600}),
    ReadableName());

// The stored document's date decides: a refresh that another process made, which the shared
// files watcher announces, puts the next one off.
TEST_F(RefreshSchedule, ARefreshOfAnotherProcessPutsTheNextOneOff)
{
    refreshNow();
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);
    now = Start.addSecs(5 * 3600);
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(
        {{QStringLiteral("CurrencyRates"), QVariantMap{{QStringLiteral("USD"), rate(1, 1)}}},
         {QStringLiteral("Date"), now}}, ratesPath()));
    ASSERT_TRUE(table.reloadIfChanged());
    center.postNotification(FXRatesDidUpdateNotification, &currencies,
                            FXRefreshOutcome{true, QString()}.userInfo());
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);
}

// A rates server that cannot be reached is tried again after a minute, doubling to an hour, until
// it answers: the rates arrive with nobody asking again. The next failure starts again from a minute.
TEST_F(RefreshSchedule, RetriesAFailureAfterAMinuteDoublingToAnHourUntilOneSucceeds)
{
    ratesServer = LoopbackHttpServer::refusingUrl().toString();
    refreshNow();
    for (const qint64 retry : {60, 120, 240, 480, 960, 1920, 3600, 3600}) {
        EXPECT_EQ(secondsToNextRefresh(), retry);
        const int before = announcements;
        runTimersUntil(now.addSecs(retry));
        EXPECT_EQ(announcements, before + 1);
    }
    ratesServer = server.url().toString();
    runTimersUntil(now.addSecs(3600));
    EXPECT_TRUE(currencies.hasRate(u"EUR"_qs));
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);

    setFailing(true);
    runTimersUntil(now.addSecs(6 * 3600));
    EXPECT_EQ(secondsToNextRefresh(), 60);
}

// The timer stands still while the computer sleeps, and a refresh without network fails: both
// occasions catch up at once, and only when there is something to catch up.
TEST_F(RefreshSchedule, OccasionsRefreshAtOnceWhenDueOrAfterAFailure)
{
    // Woken up, else the network back; whether the last refresh failed; how long after it.
    const struct { const char *name; bool wakeUp, lastFailed; qint64 later; bool refreshes; } occasions[] = {
        {"network back, rates current", false, false, 3600, false},
        {"network back after a failure", false, true, 5, true},
        {"wake-up, rates current", true, false, 6 * 3600 - 1, false},
        {"wake-up, rates due", true, false, 3 * 86400, true}};
    for (const auto &occasion : occasions) {
        setFailing(occasion.lastFailed);
        refreshNow();
        setFailing(false);
        now = now.addSecs(occasion.later);   // no timer has fired meanwhile
        const int before = announcements;
        const qsizetype downloadsBefore = downloads();
        (occasion.wakeUp ? wake : network)->happen();
        EXPECT_EQ(currencies.isUpdating(), occasion.refreshes) << occasion.name;
        EXPECT_EQ(runUntil([&] { return announcements > before; }, occasion.refreshes ? 5000ms : 300ms),
                  occasion.refreshes) << occasion.name;
        EXPECT_EQ(downloads(), downloadsBefore + (occasion.refreshes ? 1 : 0)) << occasion.name;
    }
}

// Neither the timer, nor an occasion, nor the user's command starts a second download while one
// runs: they join it, and its end is announced once.
TEST_F(RefreshSchedule, RefreshesAskedForWhileOneRunsJoinIt)
{
    setFailing(true);
    refreshNow();
    setFailing(false);
    now = now.addSecs(60);
    timer.fire();
    ASSERT_TRUE(currencies.isUpdating());
    network->happen();
    wake->happen();
    currencies.updateCurrencyRates();
    EXPECT_FALSE(scheduler.nextRefresh());
    ASSERT_TRUE(runUntil([&] { return !currencies.isUpdating(); }));
    runUntil([] { return false; }, 100ms);
    EXPECT_EQ(downloads(), 2);
    EXPECT_EQ(announcements, 2);
}
