// The rate-history window: opened from the converter by Ctrl+H and the context menu, one at a time
// and following the selection; its ranges, downloads and missing stretches; the keyboard, screen
// readers and right-to-left languages in it; and what its chart paints.

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

// A converter of EUR, GBP and JPY under USD, with five years of the dollar and a year of the others
// kept (from `first` on).
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

int historyWindowsOpen()
{
    int open = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        open += qobject_cast<FXHistoryWindowController *>(widget) && widget->isVisible();
    return open;
}

// Waits until `window` is the active window: qWaitForWindowActive counts a window whose parent is
// active as active already.
bool hasTheKeyboard(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

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
    void oneWindowOpensFromTheKeyboardOrTheMenuAndFollowsTheSelectedRow();
    void eachRangeIsDownloadedWhileWhatIsKeptIsShown_data();
    void eachRangeIsDownloadedWhileWhatIsKeptIsShown();
    void theKeyboardReachesEveryControlAndAScreenReaderReadsTheShownDay();
    void aRightToLeftLanguageMirrorsTheWindowAndTheChart();
    void theLineStaysInThePlotAndNoLabelIsCut_data();
    void theLineStaysInThePlotAndNoLabelIsCut();
    void aLongStretchWithoutRatesBreaksTheLineAndADayAloneIsADot();
};

void HistoryTest::oneWindowOpensFromTheKeyboardOrTheMenuAndFollowsTheSelectedRow()
{
    HistoryWindow history;
    auto &[core, controller, table] = history.converter;
    QVERIFY(history.converter.show());
    table.selectForTyping(1);
    QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(history.window());
    QTRY_VERIFY(history.window()->isVisible());
    QCOMPARE(pair(history.window()), u"EUR/USD"_qs);

    table.selectForTyping(3);
    QCOMPARE(pair(history.window()), u"JPY/USD"_qs);
    // The main row is shown against the first visible currency.
    table.selectForTyping(0);
    QCOMPARE(pair(history.window()), u"USD/EUR"_qs);

    controller.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&controller));
    QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(historyWindowsOpen(), 1);

    // Closed, it follows nothing; the context menu makes it anew, for the row under the menu.
    QVERIFY(hasTheKeyboard(history.window()));
    QTest::keyClick(history.window(), Qt::Key_Escape);
    QTRY_VERIFY(!history.window());
    QVERIFY(history.converter.show());
    table.selectForTyping(1);
    QCOMPARE(historyWindowsOpen(), 0);
    QVERIFY(pickFromContextMenu(table, 2, u"History"_qs));
    QTRY_VERIFY(history.window() && history.window()->isVisible());
    QCOMPARE(pair(history.window()), u"GBP/USD"_qs);
}

void HistoryTest::eachRangeIsDownloadedWhileWhatIsKeptIsShown_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("status");
    QTest::newRow("the download brings the missing months") << QString() << QString();
    QTest::newRow("offline: what is kept, and why nothing came")
        << u"the network is down"_qs
        << u"The download failed: the network is down. Shown are the rates kept on this computer.\n"
           "No rates before March 30, 2026."_qs;
}

void HistoryTest::eachRangeIsDownloadedWhileWhatIsKeptIsShown()
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
    QCOMPARE(kept.requests[1].from, Today.addYears(-5));
    QCOMPARE(kept.requests[2].from, Today.addMonths(-1));
    kept.finishDownloads();
    QVERIFY(!window->isDownloading());
    QCOMPARE(window->chartView()->chart()->from(), Today.addMonths(-1));
}

void HistoryTest::theKeyboardReachesEveryControlAndAScreenReaderReadsTheShownDay()
{
    HistoryWindow history;
    FXHistoryWindowController *window = history.openOnTheEuro();
    QVERIFY(window && hasTheKeyboard(window));
    FXRateChartView *chart = window->chartView();
    QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(chart);
    const auto summary = [readable] { return readable->text(QAccessible::Name); };
    QVERIFY2(summary().startsWith(u"US Dollar per Euro over one year: from "_qs), qPrintable(summary()));
    QVERIFY2(summary().contains(u", low "_qs) && summary().contains(u", high "_qs), qPrintable(summary()));

    // Tab passes every range button and the chart.
    QSet<QWidget *> reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    QCOMPARE(reached.size(), 6);
    for (const FXChartRange range : {FXChartRange::OneMonth, FXChartRange::ThreeMonths,
                                     FXChartRange::OneYear, FXChartRange::FiveYears, FXChartRange::All})
        QVERIFY(reached.contains(window->rangeButton(range)));
    QVERIFY(reached.contains(chart));
    // Space chooses the range that has the keyboard; choosing it again keeps it.
    window->rangeButton(FXChartRange::ThreeMonths)->setFocus();
    QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
    QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
    QCOMPARE(window->range(), FXChartRange::ThreeMonths);

    // Mnemonics choose a range (after the button's short press); the buttons read without them.
    QTest::keyClick(window, Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(window->range(), FXChartRange::OneMonth);
    QVERIFY2(summary().startsWith(u"US Dollar per Euro over one month"_qs), qPrintable(summary()));
    QTest::keyClick(window, Qt::Key_Y, Qt::AltModifier);
    QTRY_COMPARE(window->range(), FXChartRange::OneYear);
    QVERIFY(readableNamed(window, u"5 Years"_qs).role != QAccessible::NoRole);

    // The shown day starts at the last and moves by kept days; a screen reader reads it too.
    chart->setFocus();
    const QList<FXChartPoint> points = chart->chart()->points();
    const auto shownDay = [&] { return window->pointLabel()->text().section(u':', 0, 0); };
    QCOMPARE(shownDay(), u"September 29, 2026"_qs);
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(shownDay(), u"September 28, 2026"_qs);
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(shownDay(), u"September 25, 2026"_qs);   // over the weekend
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(chart->selectedPoint()->day, points[points.size() - 2].day);
    QCOMPARE(readable->text(QAccessible::Description), window->pointLabel()->text());
    QTest::keyClick(chart, Qt::Key_Home);
    QTest::keyClick(chart, Qt::Key_Left);   // nothing before the first
    QCOMPARE(chart->selectedPoint()->day, points.first().day);
    QVERIFY(readable->text(QAccessible::Description).startsWith(u"September 29, 2025"_qs));
    QTest::keyClick(chart, Qt::Key_End);
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(chart->selectedPoint()->day, Today);

    // The pointer shows the day under it.
    const QRectF plot = chart->plotArea();
    QTest::mouseMove(chart, plot.center().toPoint());
    QTRY_VERIFY(std::abs(chart->selectedPoint()->day.daysTo(Today.addMonths(-6))) <= 3);
}

void HistoryTest::aRightToLeftLanguageMirrorsTheWindowAndTheChart()
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    HistoryWindow history;
    FXHistoryWindowController *window = history.openOnTheEuro();
    QVERIFY(window && QTest::qWaitForWindowExposed(window));

    // The ranges read from the right.
    QVERIFY(window->rangeButton(FXChartRange::OneMonth)->x() > window->rangeButton(FXChartRange::All)->x());
    // Time runs from the right: the last day's mark is left of the first's, and Left goes forward.
    FXRateChartView *chart = window->chartView();
    const QRectF plot = chart->plotArea();
    const auto rateLabels = chart->axisLabels();
    QVERIFY(!rateLabels.isEmpty());
    QVERIFY(rateLabels.first().rect.left() >= plot.right());   // the rates stand on the right
    QTest::mouseMove(chart, QPoint(int(plot.left()) + 2, int(plot.center().y())));
    QTRY_COMPARE(chart->selectedPoint()->day, Today);
    QTest::mouseMove(chart, QPoint(int(plot.right()) - 2, int(plot.center().y())));
    QTRY_COMPARE(chart->selectedPoint()->day, chart->chart()->first()->day);
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(chart->selectedPoint()->day, chart->chart()->points()[1].day);
}

void HistoryTest::theLineStaysInThePlotAndNoLabelIsCut_data()
{
    QTest::addColumn<Chart>("chart");
    QTest::newRow("a month") << Chart{FXChartRange::OneMonth, false, 560};
    QTest::newRow("a year, narrow") << Chart{FXChartRange::OneYear, false, 320};
    QTest::newRow("five years, mirrored") << Chart{FXChartRange::FiveYears, true, 560};
    QTest::newRow("all") << Chart{FXChartRange::All, false, 700};
}

void HistoryTest::theLineStaysInThePlotAndNoLabelIsCut()
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

    // The line is painted, all of it inside the plot; nothing is painted on the chart's outermost
    // pixels, where a cut text would end.
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
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const FXRateChartView::Label &label = labels[i];
        QVERIFY2(QRectF(view->rect()).contains(label.rect), qPrintable(label.text));
        QVERIFY2(label.rect.width() >= metrics.horizontalAdvance(label.text), qPrintable(label.text));
        QVERIFY2(!label.rect.intersects(view->plotArea()), qPrintable(label.text));
        for (qsizetype j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!label.rect.intersects(labels[j].rect), qPrintable(label.text + u'/' + labels[j].text));
    }
}

void HistoryTest::aLongStretchWithoutRatesBreaksTheLineAndADayAloneIsADot()
{
    HistoryWindow history;
    // A flat euro over a month: a day alone, eight days without rates (a break), a day, seven days
    // without (bridged), and the days to the end.
    FXRateSeries euro;
    for (const int day : {31, 40, 48, 49, 52, 53, 60})
        euro.append({QDate(2026, 8, 1).addDays(day - 1), 0.9});
    history.converter.core.history.kept[u"EUR"_qs] = euro;
    FXHistoryWindowController *window = history.openOnTheEuro();
    QVERIFY(window);
    window->setRange(FXChartRange::OneMonth);
    FXRateChartView *chart = window->chartView();
    QCOMPARE(chart->chart()->points().size(), euro.size());

    // The columns of the plot with the line's ink in them (grid lines are grey) form two runs: a
    // dot, and the bridged stretch.
    QImage image(chart->size(), QImage::Format_RGB32);
    chart->render(&image);
    const QRect plot = chart->plotArea().toAlignedRect();
    QList<int> runWidths;
    bool inked = false;
    for (int x = plot.left(); x <= plot.right(); ++x) {
        bool column = false;
        for (int y = plot.top(); y <= plot.bottom() && !column; ++y) {
            const QColor colour = image.pixelColor(x, y);
            column = std::max({colour.red(), colour.green(), colour.blue()})
                         - std::min({colour.red(), colour.green(), colour.blue()})
                     > 40;
        }
        if (column && !inked)
            runWidths.append(0);
        if (column)
            ++runWidths.last();
        inked = column;
    }
    QCOMPARE(runWidths.size(), 2);
    QVERIFY2(runWidths[0] <= 4, qPrintable(QString::number(runWidths[0])));
    QVERIFY2(runWidths[1] > plot.width() / 3, qPrintable(QString::number(runWidths[1])));
}

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
