// What a conversion costs a script: cambio-cli started, the rates and settings read, one amount
// converted and printed, the process ended. The home is seeded once, so every run reads the
// stored rates file as a run of a user's script would. Printing the version, which reads nothing,
// gives the part that is only the start of a Qt process.

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QProcessEnvironment environmentWithHome(const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    return environment;
}

const QStringList Convert{QStringLiteral("convert"), QStringLiteral("100"), QStringLiteral("USD"),
                          QStringLiteral("EUR")};

bool runTool(const QProcessEnvironment &environment, const QStringList &arguments,
             QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CAMBIO_CLI_PATH), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

void ConvertAsAWholeProcess(benchmark::State &state)
{
    QTemporaryDir home;
    const QProcessEnvironment environment = environmentWithHome(home);
    QByteArray output;
    if (!runTool(environment, Convert, &output) || !output.endsWith(" EUR\n")) {
        state.SkipWithError("cambio-cli convert failed");
        return;
    }
    for (auto _ : state) {
        if (!runTool(environment, Convert)) {
            state.SkipWithError("cambio-cli convert failed");
            return;
        }
    }
}
BENCHMARK(ConvertAsAWholeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void VersionAsAWholeProcess(benchmark::State &state)
{
    QTemporaryDir home;
    const QProcessEnvironment environment = environmentWithHome(home);
    for (auto _ : state) {
        if (!runTool(environment, {QStringLiteral("--version")})) {
            state.SkipWithError("cambio-cli --version failed");
            return;
        }
    }
}
BENCHMARK(VersionAsAWholeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}
