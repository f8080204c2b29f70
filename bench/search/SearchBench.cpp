// The desktop search over D-Bus: a query answered by a running cambio-search-provider (the shell's
// first two calls, GetInitialResultSet and GetResultMetas), and the cold start through D-Bus
// activation until the first answer, each beside a bare QtDBus program answering one call.
//   build/bench/search/search_bench
#include "PrivateSessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <signal.h>

namespace {

const QString Provider = QStringLiteral("io.github.cambio.Cambio.SearchProvider");
const QString Floor = QStringLiteral("io.github.cambio.Floor");
const QString SearchInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QStringList Terms{QStringLiteral("100"), QStringLiteral("usd"), QStringLiteral("in"),
                        QStringLiteral("eur")};

// A bus of the benchmark's own that starts both programs, in a home of its own under en_US.
struct Bench {
    Bench()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                                   "XDG_CACHE_HOME"})
            environment.insert(QString::fromLatin1(folder),
                               home.path() + u'/' + QString::fromLatin1(folder));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        environment.insert(QStringLiteral("CAMBIO_RATES_URL"), QStringLiteral("http://127.0.0.1:9/"));
        bus = std::make_unique<PrivateSessionBus>(
            QList<PrivateSessionBus::Service>{
                {Provider, {QStringLiteral(CAMBIO_SEARCH_PROVIDER_PATH)}},
                {Floor, {QStringLiteral(FLOOR_PROVIDER_PATH)}}},
            environment);
        connection = std::make_unique<QDBusConnection>(bus->connect(QStringLiteral("bench")));
    }

    QDBusMessage call(const QString &service, const QString &path, const QString &method,
                      const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, SearchInterface, method);
        message.setArguments(arguments);
        return connection->call(message, QDBus::Block, 30000);
    }

    QStringList firstAnswer(const QString &service, const QString &path)
    {
        return call(service, path, QStringLiteral("GetInitialResultSet"), {Terms})
            .arguments().value(0).toStringList();
    }

    // Ends the running program of `service`, so that the next call starts it.
    void stop(const QString &service)
    {
        const uint pid = connection->interface()->servicePid(service).value();
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        const QDeadlineTimer deadline(10000);
        while (connection->interface()->isServiceRegistered(service).value() && !deadline.hasExpired())
            QThread::msleep(1);
    }

    QTemporaryDir home;
    std::unique_ptr<PrivateSessionBus> bus;
    std::unique_ptr<QDBusConnection> connection;
};

Bench &bench()
{
    static Bench shared;
    return shared;
}

void QueryRoundTrip(benchmark::State &state)
{
    Bench &b = bench();
    const QString path = QStringLiteral("/io/github/cambio/Cambio/SearchProvider");
    if (b.firstAnswer(Provider, path).isEmpty())
        state.SkipWithError("the provider gives no results");
    for (auto _ : state) {
        const QStringList identifiers = b.firstAnswer(Provider, path);
        benchmark::DoNotOptimize(b.call(Provider, path, QStringLiteral("GetResultMetas"), {identifiers}));
    }
}
BENCHMARK(QueryRoundTrip)->Unit(benchmark::kMicrosecond);

// The floor's same two calls, answered with fixed results: what the round trips over the bus cost
// by themselves.
void FloorRoundTrip(benchmark::State &state)
{
    Bench &b = bench();
    const QString path = QStringLiteral("/io/github/cambio/Floor");
    b.firstAnswer(Floor, path);
    for (auto _ : state) {
        const QStringList identifiers = b.firstAnswer(Floor, path);
        benchmark::DoNotOptimize(b.call(Floor, path, QStringLiteral("GetResultMetas"), {identifiers}));
    }
}
BENCHMARK(FloorRoundTrip)->Unit(benchmark::kMicrosecond);

void coldStart(benchmark::State &state, const QString &service, const QString &path)
{
    Bench &b = bench();
    for (auto _ : state) {
        b.stop(service);
        QElapsedTimer clock;
        clock.start();
        const QStringList answer = b.firstAnswer(service, path);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (answer.isEmpty())
            state.SkipWithError("no answer");
    }
}

void ColdStart(benchmark::State &state)
{
    coldStart(state, Provider, QStringLiteral("/io/github/cambio/Cambio/SearchProvider"));
}
BENCHMARK(ColdStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void FloorColdStart(benchmark::State &state)
{
    coldStart(state, Floor, QStringLiteral("/io/github/cambio/Floor"));
}
BENCHMARK(FloorColdStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}
