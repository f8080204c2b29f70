#include "FXCountryBorders.h"

#include <QFile>
#include <QJsonDocument>

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

QByteArray bundledJson()
{
    QFile file(QStringLiteral(":/location/borders.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Point {
    const char *name;
    double latitude;
    double longitude;
};

// Land in small and large, simple and detailed countries, and sea near and far from a coast.
const Point points[] = {
    {"Berlin", 52.5200, 13.4050},
    {"Paris", 48.8566, 2.3522},
    {"Moscow", 55.7558, 37.6173},
    {"Vatican", 41.9029, 12.4534},
    {"Tokyo", 35.6762, 139.6503},
    {"North Sea", 55.0, 3.0},
    {"Mid-Atlantic", 15.0, -40.0},
};

}

// Reading the resource (decompressed by rcc) and parsing the JSON, without indexing.
static void BM_ReadAndParseJson(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(bundledJson()));
}
BENCHMARK(BM_ReadAndParseJson)->Unit(benchmark::kMillisecond);

// Everything the first lookup pays for: read, parse and index.
static void BM_LoadBorders(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FXCountryBorders::fromJson(bundledJson()));
}
BENCHMARK(BM_LoadBorders)->Unit(benchmark::kMillisecond);

static void BM_CountryCodeAt(benchmark::State &state)
{
    const FXCountryBorders *borders = FXCountryBorders::bundled();
    const Point &point = points[state.range(0)];
    state.SetLabel(point.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(borders->countryCodeAt(point.latitude, point.longitude));
}
BENCHMARK(BM_CountryCodeAt)->DenseRange(0, int(std::size(points)) - 1);
