// Importing the central bank's full history, some 6,700 days since 1999, into cambio-ratesd's
// daily history, beside the floor: reading the same file with QXmlStreamReader alone, every rate's
// attributes taken and its number read. The file is made here from the genuine 90-day history
// (62 days of 2014), its days repeated on every weekday back from 2026-12-04, newest first as the
// bank writes it. Both read the file in pieces of 64 KiB, as a download brings it.
//   ratesd_history_bench
#include "FXCurrencyCodes.h"
#include "FXEcbHistoryImport.h"
#include "FXEcbRates.h"
#include "FXServedRateHistory.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

namespace {

constexpr int DayCount = 6700;
constexpr qsizetype Piece = 64 * 1024;

const QByteArray &fullHistory()
{
    static const QByteArray file = [] {
        QFile genuine(QStringLiteral(CAMBIO_REAL_RATES "/ecb-hist-90d-PutridFarm.xml"));
        if (!genuine.open(QIODevice::ReadOnly))
            return QByteArray();
        const QByteArray text = genuine.readAll();
        const qsizetype first = text.indexOf("\t\t<Cube time=");
        const qsizetype end = text.lastIndexOf("\t</Cube>");
        QList<QByteArray> days = text.sliced(first, end - first).split('\n');
        // Lines of the days, each day from its "time" line to its closing one.
        QList<QByteArray> blocks;
        for (const QByteArray &line : days) {
            if (line.contains("time="))
                blocks.append(QByteArray());
            if (!blocks.isEmpty())
                blocks.last() += line + '\n';
        }
        QByteArray result = text.first(first);
        QDate day(2026, 12, 4);
        for (int index = 0; index < DayCount; ++index) {
            QByteArray block = blocks.at(index % blocks.size());
            const qsizetype time = block.indexOf("time=\"") + 6;
            block.replace(time, 10, day.toString(Qt::ISODate).toLatin1());
            result += block;
            do
                day = day.addDays(-1);
            while (day.dayOfWeek() > 5);
        }
        return QByteArray(result + text.sliced(end));
    }();
    return file;
}

void ReadWithQXmlStreamReaderAlone(benchmark::State &state)
{
    const QByteArray &file = fullHistory();
    for (auto _ : state) {
        QXmlStreamReader reader;
        double sum = 0;
        qsizetype rates = 0;
        for (qsizetype at = 0; at < file.size(); at += Piece) {
            reader.addData(file.mid(at, Piece));
            while (!reader.atEnd()) {
                if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"Cube") {
                    const QXmlStreamAttributes attributes = reader.attributes();
                    const QStringView currency = attributes.value(QLatin1StringView("currency"));
                    if (!currency.isEmpty()) {
                        sum += attributes.value(QLatin1StringView("rate")).toDouble();
                        ++rates;
                    }
                }
                if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                    break;
            }
        }
        benchmark::DoNotOptimize(sum);
        state.counters["rates"] = double(rates);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

// The days read and turned into the dollar base, without writing them.
void ReadDaysIntoTheDollarBase(benchmark::State &state)
{
    const QByteArray &file = fullHistory();
    for (auto _ : state) {
        qsizetype days = 0;
        FXEcbDayReader reader([&days](const FXEcbDay &day) {
            days += FXEcbRates::inDollars(day, FXCurrencyCodes::shared()).isSuccess();
        });
        for (qsizetype at = 0; at < file.size(); at += Piece)
            reader.addData(file.mid(at, Piece));
        reader.finish();
        state.counters["days"] = double(days);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

// The whole import into a new history.sqlite, its one transaction committed to disk.
void ImportIntoTheHistory(benchmark::State &state)
{
    const QByteArray &file = fullHistory();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        {
            FXServedRateHistory history(folder.path(), FXCurrencyCodes::shared());
            history.open();
            state.ResumeTiming();
            FXEcbHistoryImport import(history, FXCurrencyCodes::shared());
            for (qsizetype at = 0; at < file.size(); at += Piece)
                import.addData(QByteArrayView(file).sliced(at, std::min(Piece, file.size() - at)));
            if (!import.finish())
                state.SkipWithError(import.failure().toUtf8().constData());
            state.counters["days"] = double(import.dayCount());
            state.PauseTiming();
        }
        state.counters["MiB on disk"] = double(QFileInfo(folder.filePath(QStringLiteral("history.sqlite"))).size()) / (1 << 20);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

}

BENCHMARK(ReadWithQXmlStreamReaderAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadDaysIntoTheDollarBase)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportIntoTheHistory)->Unit(benchmark::kMillisecond)->Iterations(3);
