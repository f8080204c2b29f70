// Saves a picture of the rate-history window as painted: history_screenshot ECB_HISTORY_FILE OUTPUT.png
// The US dollar per euro over three months of the ECB's genuine 90-day file, in the environment's
// language, pointing at a day in the middle, once its download (which brings nothing new) has ended.

#include "FXEcbRates.h"
#include "FXHistoryWindowController.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXRateChartView.h"
#include "FXTranslations.h"
#include "MemoryRateHistory.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// Each day's rates of the ECB's file as the rates server keeps them: what one US dollar buys.
MemoryRateHistory readEcbHistory(const QString &path)
{
    // The file runs from its newest day back; a kept series from its oldest day on.
    QMap<QDate, QMap<QString, double>> perEuro;
    FXEcbDayReader reader([&perEuro](const FXEcbDay &day) { perEuro.insert(day.date, day.perEuro); });
    QFile file(path);
    MemoryRateHistory history;
    if (!file.open(QIODevice::ReadOnly) || !reader.addData(file.readAll()) || !reader.finish())
        return history;
    for (auto rates = perEuro.cbegin(); rates != perEuro.cend(); ++rates) {
        const double dollars = rates->value(QStringLiteral("USD"));
        history.kept[QStringLiteral("EUR")].append({rates.key(), 1 / dollars});
        for (auto rate = rates->cbegin(); rate != rates->cend(); ++rate)
            history.kept[rate.key()].append({rates.key(), rate.value() / dollars});
    }
    return history;
}

}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: history_screenshot ECB_HISTORY_FILE OUTPUT.png\n", stderr);
        return 2;
    }
    FXTranslations::install(application);
    MemoryRateHistory history = readEcbHistory(QString::fromLocal8Bit(argv[1]));
    if (history.kept.isEmpty()) {
        std::fputs("no rates in the ECB file\n", stderr);
        return 1;
    }
    const QDate newest = history.kept[QStringLiteral("EUR")].last().day;
    FXNotificationCenter center;
    const FXLocale locale(FXLocale::identifierFromEnvironment());
    FXHistoryWindowController window(history, locale, center, [newest] { return newest; });
    window.setRange(FXChartRange::ThreeMonths);
    window.showCurrency(QStringLiteral("EUR"), QStringLiteral("USD"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)
        || !QTest::qWaitFor([&window] { return !window.isDownloading(); }))
        return 1;
    window.chartView()->selectIndex(window.chartView()->chart()->points().size() / 2);
    QTest::qWait(300);
    const QPixmap shown = window.screen()->grabWindow(window.winId());
    return shown.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
