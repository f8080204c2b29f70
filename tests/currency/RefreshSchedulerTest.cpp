#include "CurrencyCore.h"
#include "FXRefreshScheduler.h"

#include <gtest/gtest.h>

#include <utility>

using namespace std::chrono_literals;

namespace {

const QDateTime Start(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC);

// Fires only when the test says so; knows when it would fire by the test's clock.
struct ManualTimer : FXRefreshTimer {
    explicit ManualTimer(const QDateTime &now) : now(now) {}
    void start(std::chrono::milliseconds delay, std::function<void()> fired) override
    {
        due = now.addMSecs(delay.count());
        this->fired = std::move(fired);
    }
    void stop() override { due.reset(); }
    void fire()
    {
        due.reset();
        std::exchange(fired, {})();   // which may start the timer again
    }

    const QDateTime &now;
    std::optional<QDateTime> due;
    std::function<void()> fired;
};

struct ManualOccasion : FXRefreshOccasion {
    void watch(std::function<void()> happened) override { happen = std::move(happened); }
    std::function<void()> happen;   // empty while not watched
};

// The window's schedule, with a clock and a timer that move only when the test moves them.
class RefreshSchedule : public RefreshingCore {
protected:
    RefreshSchedule()
    {
        plant({{QStringLiteral("USD"), rate(1, 1)}});
        setFailing(false);
        currencies.setClock([this] { return now; });
    }

    void setFailing(bool failing)
    {
        server.setResponse({failing ? 503 : 200, R"({"EUR": {"from_base": 0.5, "to_base": 2.0}})"});
    }
    qsizetype downloads() const { return server.requests().size(); }

    // Moves the clock from timer to timer until `until`, letting each refresh they start end.
    void runTimersUntil(const QDateTime &until)
    {
        while (timer.due && *timer.due <= until) {
            now = *timer.due;
            const qsizetype before = announced.size();
            timer.fire();
            if (currencies.isUpdating()) {
                ASSERT_TRUE(runUntil([&] { return announced.size() > before; }));
            }
        }
        now = until;
    }
    qint64 secondsToNextRefresh() const
    {
        const auto next = scheduler.nextRefresh();
        return next ? now.secsTo(*next) : -1;
    }

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
};

}

// Nothing is scheduled nor watched before the window's first refresh has ended; zero turns it off.
TEST_F(RefreshSchedule, RefreshesWhenTheDownloadIsAsOldAsTheIntervalSet)
{
    for (const QVariant &unusable : {QVariant(-60), QVariant(u"hourly"_qs)}) {
        defaults.setObject(unusable, QStringLiteral("RatesRefreshInterval"));
        EXPECT_EQ(settings.ratesRefreshInterval(), 6h);
    }
    EXPECT_FALSE(scheduler.nextRefresh() || timer.due || network->happen || wake->happen);
    defaults.setObject(90 * 60, QStringLiteral("RatesRefreshInterval"));
    ASSERT_TRUE(refreshNow());
    for (int refreshes = 2; refreshes <= 3; ++refreshes) {
        runTimersUntil(Start.addSecs((refreshes - 1) * 90 * 60 - 1));
        EXPECT_EQ(downloads(), refreshes - 1);
        runTimersUntil(Start.addSecs((refreshes - 1) * 90 * 60));
        EXPECT_EQ(downloads(), refreshes);
    }
    defaults.setObject(0, QStringLiteral("RatesRefreshInterval"));
    ASSERT_TRUE(refreshNow());
    EXPECT_FALSE(timer.due);
    now = now.addDays(30);
    network->happen();
    wake->happen();
    EXPECT_EQ(downloads(), 4);
}

// The stored document's date decides: another process's refresh, once announced, puts the next off.
TEST_F(RefreshSchedule, ARefreshOfAnotherProcessPutsTheNextOneOff)
{
    ASSERT_TRUE(refreshNow());
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);
    now = Start.addSecs(5 * 3600);
    QVariantMap document = ratesDocument({{QStringLiteral("USD"), rate(1, 1)}});
    document.insert(QStringLiteral("Date"), now);
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document, ratesPath()));
    ASSERT_TRUE(table.reloadIfChanged());
    center.postNotification(FXRatesDidUpdateNotification, &currencies, FXRefreshOutcome{true, {}}.userInfo());
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);
}

// The rates arrive with nobody asking again; the next failure starts again from a minute.
TEST_F(RefreshSchedule, RetriesAFailureAfterAMinuteDoublingToAnHourUntilOneSucceeds)
{
    ratesServer = LoopbackHttpServer::refusingUrl().toString();
    ASSERT_TRUE(refreshNow());
    for (const qint64 retry : {60, 120, 240, 480, 960, 1920, 3600, 3600}) {
        EXPECT_EQ(secondsToNextRefresh(), retry);
        const qsizetype before = announced.size();
        runTimersUntil(now.addSecs(retry));
        EXPECT_EQ(announced.size(), before + 1);
    }
    ratesServer = server.url().toString();
    runTimersUntil(now.addSecs(3600));
    EXPECT_TRUE(currencies.hasRate(u"EUR"_qs));
    EXPECT_EQ(secondsToNextRefresh(), 6 * 3600);

    setFailing(true);
    runTimersUntil(now.addSecs(6 * 3600));
    EXPECT_EQ(secondsToNextRefresh(), 60);
}

// The timer stands still while the computer sleeps, and a refresh without network fails.
TEST_F(RefreshSchedule, OccasionsRefreshAtOnceWhenDueOrAfterAFailure)
{
    // Woken up, else the network back; whether the last refresh failed; how long after it.
    const struct { const char *name; bool wakeUp, lastFailed; qint64 later; bool refreshes; } occasions[] = {
        {"network back after a failure", false, true, 5, true},
        {"wake-up, rates current", true, false, 6 * 3600 - 1, false},
        {"wake-up, rates due", true, false, 3 * 86400, true}};
    for (const auto &occasion : occasions) {
        setFailing(occasion.lastFailed);
        ASSERT_TRUE(refreshNow());
        setFailing(false);
        now = now.addSecs(occasion.later);   // no timer has fired meanwhile
        const qsizetype before = announced.size();
        const qsizetype downloadsBefore = downloads();
        (occasion.wakeUp ? wake : network)->happen();
        EXPECT_EQ(currencies.isUpdating(), occasion.refreshes) << occasion.name;
        EXPECT_EQ(runUntil([&] { return announced.size() > before; }, occasion.refreshes ? 5000ms : 300ms),
                  occasion.refreshes) << occasion.name;
        EXPECT_EQ(downloads(), downloadsBefore + (occasion.refreshes ? 1 : 0)) << occasion.name;
    }
}

// Neither the timer, nor an occasion, nor the user's command starts a second download while one runs.
TEST_F(RefreshSchedule, RefreshesAskedForWhileOneRunsJoinIt)
{
    setFailing(true);
    ASSERT_TRUE(refreshNow());
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
    EXPECT_EQ(announced.size(), 2);
}
