// What the desktop's search costs within the process: a typed query read and answered with its
// five conversions (by code and by name), and one answer named again by its identifier, as the
// shell asks for each result it shows.

#include "FXConversionResults.h"
#include "FXCurrencyManager.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXFlagCatalogue.h"
#include "FXHttpFetcher.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Search {
    QTemporaryDir home;
    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    FXUserDefaults groupDefaults{home.filePath(QStringLiteral("group.conf"))};
    FXRatesFile file{home.filePath(QStringLiteral("CurrencyRates.plist"))};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{groupDefaults, table, center};
    FXHttpFetcher fetcher;
    FXCurrencyManager currencies{table, file, settings, locale, [] { return std::nullopt; },
                                 fetcher, [] { return QString(); }, center};
    FXNumberFormatter numbers{locale};
    FXCurrencySignResolver signs{currencies};
    FXCurrencyNameIndex names{currencies};
    FXConversionQueryReader reader{currencies, numbers, signs, names};
    FXFlagCatalogue flags;
    FXConversionResults results{currencies, numbers, reader, flags};
};

void QueryAnswered(benchmark::State &state, const char *text)
{
    Search search;
    const QString query = QString::fromUtf8(text);
    search.results.resultsForText(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.results.resultsForText(query));
}
BENCHMARK_CAPTURE(QueryAnswered, codes, "100 usd in eur")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(QueryAnswered, names, "100 US dollars in Swiss francs")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(QueryAnswered, sign, "100$ to ¥")->Unit(benchmark::kMicrosecond);

void AnswerNamedAgain(benchmark::State &state)
{
    Search search;
    const QString identifier =
        search.results.resultsForText(QStringLiteral("100 usd in eur")).front().identifier;
    for (auto _ : state)
        benchmark::DoNotOptimize(search.results.resultForIdentifier(identifier));
}
BENCHMARK(AnswerNamedAgain)->Unit(benchmark::kMicrosecond);

}
