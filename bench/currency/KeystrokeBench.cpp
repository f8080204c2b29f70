// What one keystroke costs: the typed or deleted character in the source buffer, then every other
// row converted and written, with 5, 50 and every currency of the seed visible.

#include "FXCurrencyManager.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXHttpFetcher.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void KeystrokeToAllRows(benchmark::State &state)
{
    QTemporaryDir home;
    FXLocale locale(QStringLiteral("en_US"));
    FXNotificationCenter center;
    FXUserDefaults groupDefaults(home.filePath(QStringLiteral("group.conf")));
    FXUserDefaults standardDefaults(home.filePath(QStringLiteral("standard.conf")));
    FXRatesFile file(home.filePath(QStringLiteral("CurrencyRates.plist")));
    FXRatesTable table(file, locale);
    FXSettingsManager settings(groupDefaults, table, center);
    FXHttpFetcher fetcher;
    FXCurrencyManager currencies(table, file, settings, locale, [] { return std::nullopt; },
                                 fetcher, [] { return QString(); }, center);
    FXNumberFormatter formatter(locale);
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("USD"));
    groupDefaults.setObject(table.allCurrencies().mid(0, state.range(0)),
                            QStringLiteral("VisibleCurrencies"));
    FXInputManager inputs(currencies, standardDefaults, formatter);

    const QString source = QStringLiteral("EUR");
    currencies.setUserBaseCurrency(source);
    const QString digits = QStringLiteral("123456");
    int key = 0;
    for (auto _ : state) {
        // Six digits typed, then six deleted: every key is a keystroke within the buffer's limits.
        if (key < 6)
            inputs.appendNumber(digits.mid(key, 1), source);
        else
            inputs.removeLastCharacterForCurrency(source);
        key = (key + 1) % 12;
    }
    state.counters["rows"] = double(inputs.inputs().size());
}

}

BENCHMARK(KeystrokeToAllRows)->Arg(5)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);
