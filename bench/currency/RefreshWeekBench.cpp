// Resident memory of the currency manager kept current by the refresh schedule for a simulated
// week against a loopback rates server: the clock runs 60 000 times as fast as the wall's (a
// minute in a millisecond), and every timer with it. The memory after the first refresh is the
// floor; the counters tell the memory in the middle and at the end of the week against it
// ("growth_kib" should stay near 0, and not grow from the middle on) and how many refreshes the
// week made. Run with the default interval and with 10 minutes.

#include "FXCurrencyManager.h"
#include "FXHttpFetcher.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXRatesFile.h"
#include "FXRefreshScheduler.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qint64 FastSecondsPerMillisecond = 60;

qint64 residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

class FastTimer : public FXRefreshTimer {
public:
    FastTimer()
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_fired(); });
    }
    void start(std::chrono::milliseconds delay, std::function<void()> fired) override
    {
        m_fired = std::move(fired);
        m_timer.start(int(delay.count() / 1000 / FastSecondsPerMillisecond));
    }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
    std::function<void()> m_fired;
};

void SimulatedWeekOfRefreshes(benchmark::State &state)
{
    QTemporaryDir home;
    FXLocale locale(QStringLiteral("en_US"));
    FXNotificationCenter center;
    FXUserDefaults groupDefaults(home.filePath(QStringLiteral("group.conf")));
    FXRatesFile file(home.filePath(QStringLiteral("CurrencyRates.plist")));
    FXRatesTable table(file, locale);
    FXSettingsManager settings(groupDefaults, table, center);
    groupDefaults.setObject(qint64(state.range(0)), QStringLiteral("RatesRefreshInterval"));
    LoopbackHttpServer server;
    // Every currency of the seed, as the rates server answers.
    QByteArray body = "{";
    for (const QString &code : table.allCurrencies()) {
        if (body.size() > 1)
            body += ',';
        body += '"' + code.toLatin1() + R"(": {"from_base": 2, "to_base": 0.5})";
    }
    body += '}';
    server.setResponse({200, body, true, std::nullopt, false,
                        "Last-Modified: Fri, 25 Sep 2026 16:00:00 GMT\r\n"});
    FXHttpFetcher fetcher;
    FXCurrencyManager currencies(table, file, settings, locale, [] { return std::nullopt; },
                                 fetcher, [&] { return server.url().toString(); }, center);
    const QDateTime start = QDateTime::currentDateTimeUtc();
    QElapsedTimer elapsed;
    const auto now = [&] { return start.addSecs(elapsed.elapsed() * FastSecondsPerMillisecond); };
    currencies.setClock(now);
    FastTimer timer;
    FXRefreshScheduler scheduler(currencies, center, timer, {}, now);
    int refreshes = 0;
    QObject observer;
    center.addObserver(&observer, FXRatesDidUpdateNotification,
                       [&](const FXNotification &) { ++refreshes; }, &currencies);

    for (auto _ : state) {
        elapsed.start();
        QEventLoop loop;
        currencies.updateCurrencyRates();
        while (refreshes == 0)
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 floor = residentKib();
        // The middle of the week tells a leveling off from a steady leak.
        while (now() < start.addSecs(7 * 86400 / 2))
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 middle = residentKib();
        while (now() < start.addDays(7))
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        state.counters["floor_kib"] = double(floor);
        state.counters["middle_kib"] = double(middle);
        state.counters["end_kib"] = double(residentKib());
        state.counters["growth_kib"] = double(residentKib() - floor);
        state.counters["refreshes"] = double(refreshes);
    }
}

}

BENCHMARK(SimulatedWeekOfRefreshes)->Arg(6 * 3600)->Arg(600)->Iterations(1)->Unit(benchmark::kSecond);
