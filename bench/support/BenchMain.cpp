#include <QCoreApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // Some measured work needs the application object: QProcess reports its child's end through
    // it, and the currency manager posts through the main queue.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
