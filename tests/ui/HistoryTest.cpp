// The rate-history window: opened from the converter by Ctrl+H and the context menu, one at a time
// and following the selection; its ranges and downloads; the keyboard and screen readers in it; and
// what its chart paints, also mirrored.

#include "FXHistoryWindowController.h"
#include "FXRateChartView.h"
#include "MenuDriver.h"
#include "Readables.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScopeGuard>

#include <cmath>

namespace {

const QDate Today(2026, 9, 29);

// Every working day from `first` to `last`: `base` times a slow wave, so that low and high fall
// inside the range.
FXRateSeries workdays(QDate first, QDate last, double base)
{
    FXRateSeries series;
    int i = 0;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (day.dayOfWeek() < 6)
            series.append({day, base * (1 + 0.05 * std::sin(++i / 15.0))});
    }
    return series;
}

// EUR, GBP and JPY under USD, with five years of dollars and a year of the others (from `first`) kept.
struct HistoryWindow {
    explicit HistoryWindow(QDate first = Today.addYears(-1))
    {
        MemoryRateHistory &history = converter.core.history;
        history.kept[u"USD"_qs] = workdays(Today.addYears(-5), Today, 1);
        history.kept[u"EUR"_qs] = workdays(first, Today, 0.9);
        history.kept[u"GBP"_qs] = workdays(first, Today, 0.8);
        history.kept[u"JPY"_qs] = workdays(first, Today, 150);
    }
    FXHistoryWindowController *window() const { return converter.controller.historyWindow(); }
    // Shows the converter and the history of its euro row.
    FXHistoryWindowController *openOnTheEuro()
    {
        if (!converter.show())
            return nullptr;
        converter.table.selectForTyping(1);
        converter.controller.showHistory();
        return window();
    }
    ConverterWindow converter{{.visible = {u"EUR"_qs, u"GBP"_qs, u"JPY"_qs}}};
};

QString pair(const FXHistoryWindowController *window)
{
    return window->currency() + u'/' + window->against();
}

// The chart over `range`, `width` wide.
struct Chart { FXChartRange range; bool rightToLeft; int width; };

}

Q_DECLARE_METATYPE(Chart)

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void oneWindowOpensFromTheKeyboardOrTheMenuAndFollowsTheSelectedRow()
    {
        HistoryWindow history;
        auto &[core, controller, table] = history.converter;
        QVERIFY(history.converter.show());
        table.selectForTyping(1);
        QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(history.window() && history.window()->isVisible());
        QCOMPARE(pair(history.window()), u"EUR/USD"_qs);

        table.selectForTyping(3);
        QCOMPARE(pair(history.window()), u"JPY/USD"_qs);
        // The main row is shown against the first visible currency.
        table.selectForTyping(0);
        QCOMPARE(pair(history.window()), u"USD/EUR"_qs);

        controller.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&controller));
        QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(controller.findChildren<FXHistoryWindowController *>().size(), 1);

        // Closed, it follows nothing; the context menu makes it anew, for the row under the menu.
        // (qWaitForWindowActive would count a window whose parent is active as active already.)
        QTRY_COMPARE(QApplication::activeWindow(), history.window());
        QTest::keyClick(history.window(), Qt::Key_Escape);
        QTRY_VERIFY(!history.window());
        QVERIFY(history.converter.show());
        table.selectForTyping(1);
        QVERIFY(!history.window());
        QVERIFY(pickFromContextMenu(table, 2, u"History"_qs));
        QTRY_VERIFY(history.window() && history.window()->isVisible());
        QCOMPARE(pair(history.window()), u"GBP/USD"_qs);
    }

    void eachRangeIsDownloadedWhileWhatIsKeptIsShown_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("status");
        QTest::newRow("the download brings the missing months") << QString() << QString();
        QTest::newRow("offline: what is kept, and why nothing came")
            << u"the network is down"_qs
            << u"The download failed: the network is down. Shown are the rates kept on this computer.\n"
               "No rates before March 30, 2026."_qs;
    }

    void eachRangeIsDownloadedWhileWhatIsKeptIsShown()
    {
        QFETCH(QString, failure);
        QFETCH(QString, status);
        // Six months kept; the server has the year.
        HistoryWindow history(QDate(2026, 3, 30));
        MemoryRateHistory &kept = history.converter.core.history;
        kept.served[u"EUR"_qs] = workdays(Today.addYears(-1), Today, 0.9);
        kept.failure = failure;
        kept.holdDownloads = true;
        FXHistoryWindowController *window = history.openOnTheEuro();
        QVERIFY(window);

        QCOMPARE(window->range(), FXChartRange::OneYear);
        QCOMPARE(kept.requests.size(), 1);
        QCOMPARE(kept.requests[0].from, Today.addYears(-1));
        QCOMPARE(kept.requests[0].to, Today);
        QCOMPARE(kept.requests[0].currencies, (QStringList{u"EUR"_qs, u"USD"_qs}));
        QVERIFY(window->isDownloading());
        QCOMPARE(window->statusLabel()->text(), u"Downloading…\nNo rates before March 30, 2026."_qs);
        QCOMPARE(window->chartView()->chart()->first()->day, QDate(2026, 3, 30));

        kept.finishDownloads();
        QVERIFY(!window->isDownloading());
        QCOMPARE(window->statusLabel()->text(), status);
        QCOMPARE(window->statusLabel()->isVisible(), !status.isEmpty());
        QCOMPARE(window->chartView()->chart()->first()->day,
                 failure.isEmpty() ? QDate(2025, 9, 29) : QDate(2026, 3, 30));

        // Another range is downloaded too; a download that a newer one replaced ends unheard.
        window->rangeButton(FXChartRange::FiveYears)->click();
        window->rangeButton(FXChartRange::OneMonth)->click();
        QCOMPARE(kept.requests.size(), 3);
        QCOMPARE(kept.requests[2].from, Today.addMonths(-1));
        kept.finishDownloads();
        QVERIFY(!window->isDownloading());
        QCOMPARE(window->chartView()->chart()->from(), Today.addMonths(-1));
    }

    void theKeyboardChoosesTheDayAndTheRangeAndAScreenReaderReadsTheDay()
    {
        HistoryWindow history;
        FXHistoryWindowController *window = history.openOnTheEuro();
        QVERIFY(window);
        QTRY_COMPARE(QApplication::activeWindow(), window);
        FXRateChartView *chart = window->chartView();
        QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(chart);
        const auto summary = [readable] { return readable->text(QAccessible::Name); };
        QVERIFY2(summary().startsWith(u"US Dollar per Euro over one year: from "_qs), qPrintable(summary()));

        // The shown day starts at the last and moves by kept days; a screen reader reads it too.
        chart->setFocus();
        QVERIFY(window->pointLabel()->text().startsWith(u"September 29, 2026:"_qs));
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Right})
            QTest::keyClick(chart, key);
        QVERIFY(window->pointLabel()->text().startsWith(u"September 28, 2026:"_qs));
        QCOMPARE(readable->text(QAccessible::Description), window->pointLabel()->text());
        QTest::keyClick(chart, Qt::Key_Home);
        QTest::keyClick(chart, Qt::Key_Left);   // nothing before the first
        QVERIFY(readable->text(QAccessible::Description).startsWith(u"September 29, 2025"_qs));
        QTest::keyClick(chart, Qt::Key_End);
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(chart->selectedPoint()->day, Today);

        // The pointer shows the day under it.
        QTest::mouseMove(chart, chart->plotArea().center().toPoint());
        QTRY_VERIFY(std::abs(chart->selectedPoint()->day.daysTo(Today.addMonths(-6))) <= 3);

        // Space chooses the range that has the keyboard; choosing it again keeps it.
        window->rangeButton(FXChartRange::ThreeMonths)->setFocus();
        QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
        QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
        QCOMPARE(window->range(), FXChartRange::ThreeMonths);
    }

    void theLineStaysInThePlotAndNoLabelIsCut_data()
    {
        QTest::addColumn<Chart>("chart");
        QTest::newRow("a month") << Chart{FXChartRange::OneMonth, false, 560};
        QTest::newRow("a year, narrow") << Chart{FXChartRange::OneYear, false, 320};
        QTest::newRow("five years, mirrored") << Chart{FXChartRange::FiveYears, true, 560};
        QTest::newRow("all") << Chart{FXChartRange::All, false, 700};
    }

    void theLineStaysInThePlotAndNoLabelIsCut()
    {
        QFETCH(Chart, chart);
        const auto &[range, rightToLeft, width] = chart;
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        HistoryWindow history(Today.addYears(-7));
        history.converter.controller.showHistory();
        FXHistoryWindowController *window = history.window();
        window->setRange(range);
        FXRateChartView *view = window->chartView();
        view->resize(width, 240);
        QVERIFY(!view->chart()->isEmpty());

        // The line is all inside the plot; nothing is painted on the outermost pixels (a cut text).
        QImage image(view->size(), QImage::Format_RGB32);
        view->render(&image);
        const QRect plot = view->plotArea().toAlignedRect();
        const QRect inner = image.rect().adjusted(1, 1, -1, -1);
        const QColor base = view->palette().color(QPalette::Base);
        int inside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour == view->lineColor() && plot.contains(x, y))
                    ++inside;
                else if (colour == view->lineColor() || !inner.contains(x, y))
                    QVERIFY2(colour == base, qPrintable(u"%1,%2"_qs.arg(x).arg(y)));
            }
        }
        QVERIFY2(inside > width / 2, qPrintable(QString::number(inside)));

        // Every label fits its place, within the chart and clear of the plot and of each other.
        const QFontMetricsF metrics(view->font());
        const QList<FXRateChartView::Label> labels = view->axisLabels();
        QVERIFY(labels.size() >= 4);
        // The rates stand right of the plot in a right-to-left language.
        QCOMPARE(labels.first().rect.left() >= view->plotArea().right(), rightToLeft);
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const FXRateChartView::Label &label = labels[i];
            QVERIFY2(QRectF(view->rect()).contains(label.rect), qPrintable(label.text));
            QVERIFY2(label.rect.width() >= metrics.horizontalAdvance(label.text), qPrintable(label.text));
            QVERIFY2(!label.rect.intersects(view->plotArea()), qPrintable(label.text));
            for (qsizetype j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!label.rect.intersects(labels[j].rect),
                         qPrintable(label.text + u'/' + labels[j].text));
        }
    }
};

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
