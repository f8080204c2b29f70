#include "FXInput.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <benchmark/benchmark.h>

namespace {

FXLocale &englishLocale()
{
    static FXLocale locale(QStringLiteral("en_US"));
    return locale;
}

void writeAmount(benchmark::State &state)
{
    const FXNumberFormatter formatter(englishLocale());
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.formattedStringForInput(1234.567));
}
BENCHMARK(writeAmount);

void writeAmountWithFreshFormatter(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FXNumberFormatter(englishLocale()).formattedStringForInput(1234.567));
}
BENCHMARK(writeAmountWithFreshFormatter);

void readPastedAmount(benchmark::State &state)
{
    const FXNumberFormatter formatter(englishLocale());
    const QString text = QStringLiteral("1,234.56");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.formattedNumberForPasteboard(text));
}
BENCHMARK(readPastedAmount);

void readPastedAmountWithFreshFormatter(benchmark::State &state)
{
    const QString text = QStringLiteral("1,234.56");
    for (auto _ : state)
        benchmark::DoNotOptimize(FXNumberFormatter(englishLocale()).formattedNumberForPasteboard(text));
}
BENCHMARK(readPastedAmountWithFreshFormatter);

// The longest amount typing builds, key by key from an empty buffer, reading the value after each
// key as the converter does to update the other rows.
void typeLongestAmount(benchmark::State &state)
{
    const FXNumberFormatter formatter(englishLocale());
    const QString keys = QStringLiteral("123456789012.34");
    for (auto _ : state) {
        FXInput input(formatter);
        for (const QChar key : keys) {
            if (key == u'.')
                input.appendDelimiter();
            else
                input.appendNumber(QString(key));
            benchmark::DoNotOptimize(input.doubleValue());
        }
    }
}
BENCHMARK(typeLongestAmount);

}
