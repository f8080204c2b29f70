// The chart's data path: a year of two currencies' rates read from the kept rates (a store of 30
// currencies over ten years, some 110 000 rows, as years of downloads leave it), beside the floor
// of reading the same rows with a bare QSqlQuery loop over the same file, in the same run. The
// store's time over the floor's is the cost of its own work (the series, the dates read back).

#include "FXRateHistoryDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

namespace {

const QDate LastDay(2026, 12, 7);
const QDate FirstDayOfYear = LastDay.addYears(-1).addDays(1);

// The store's file, filled once for every benchmark of the run.
const QString &storePath()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.path() + QStringLiteral("/RateHistory.sqlite");
        FXRateHistoryDatabase database(file);
        QMap<QString, FXRateSeries> series;
        for (int currency = 0; currency < 30; ++currency) {
            const QString code = QStringLiteral("X%1%2").arg(QChar(u'A' + currency / 26), QChar(u'A' + currency % 26));
            FXRateSeries &days = series[currency == 0 ? QStringLiteral("EUR") : code];
            for (QDate day = LastDay.addYears(-10); day <= LastDay; day = day.addDays(1))
                days.append({day, 0.9 + (day.toJulianDay() % 97) / 1000.0});
        }
        database.keepDownload(series, series.keys(), {LastDay.addYears(-10), LastDay});
        return file;
    }();
    return path;
}

void storeYearSeries(benchmark::State &state)
{
    FXRateHistoryDatabase database(storePath());
    const QStringList currencies{QStringLiteral("EUR"), QStringLiteral("USD")};
    for (auto _ : state) {
        const auto series = database.series(currencies, FirstDayOfYear, LastDay);
        benchmark::DoNotOptimize(series);
    }
}
BENCHMARK(storeYearSeries)->Unit(benchmark::kMicrosecond);

void bareQueryYear(benchmark::State &state)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(storePath());
        db.open();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT day, from_base FROM rates "
                                     "WHERE currency = ? AND day BETWEEN ? AND ? ORDER BY day"));
        const QString from = FirstDayOfYear.toString(Qt::ISODate);
        const QString to = LastDay.toString(Qt::ISODate);
        for (auto _ : state) {
            qsizetype rows = 0;
            double sum = 0;
            for (const QString &currency : {QStringLiteral("EUR"), QStringLiteral("USD")}) {
                query.bindValue(0, currency);
                query.bindValue(1, from);
                query.bindValue(2, to);
                query.exec();
                while (query.next()) {
                    rows += query.value(0).toString().size();
                    sum += query.value(1).toDouble();
                }
            }
            benchmark::DoNotOptimize(rows);
            benchmark::DoNotOptimize(sum);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
}
BENCHMARK(bareQueryYear)->Unit(benchmark::kMicrosecond);

// Opening the kept rates as cambio-cli does at each history command: the checks of the file.
void openStore(benchmark::State &state)
{
    storePath();
    for (auto _ : state) {
        FXRateHistoryDatabase database(storePath());
        benchmark::DoNotOptimize(database.isPersistent());
    }
}
BENCHMARK(openStore)->Unit(benchmark::kMicrosecond);

}
