// The rate-history window: opened from the converter by Ctrl+H and the context menu, one at a time
// and following the selection; its ranges, downloads and missing stretches; the keyboard, screen
// readers and right-to-left languages in it; and what its chart paints.

#include "FXHistoryWindowController.h"
#include "FXRateChartView.h"
#include "MenuDriver.h"
#include "Readables.h"
#include "TableDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QTest>

#include <cmath>

namespace {

const QDate Today(2026, 9, 29);
const QStringList Visible{QStringLiteral("EUR"), QStringLiteral("GBP"), QStringLiteral("JPY")};

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

void keepAYear(MemoryRateHistory &history, QDate first = Today.addYears(-1))
{
    history.kept[QStringLiteral("USD")] = workdays(Today.addYears(-5), Today, 1);
    history.kept[QStringLiteral("EUR")] = workdays(first, Today, 0.9);
    history.kept[QStringLiteral("GBP")] = workdays(first, Today, 0.8);
    history.kept[QStringLiteral("JPY")] = workdays(first, Today, 150);
}

struct HistoryWindow {
    HistoryWindow() : converter(ConverterHarness::Setup{.visible = Visible}) { keepAYear(converter.core.history); }
    FXHistoryWindowController *window() const { return converter.controller.historyWindow(); }
    ConverterWindow converter;
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

}

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlHOpensOneWindowThatFollowsTheSelectedRow();
    void theContextMenuOpensTheRowUnderIt();
    void eachRangeIsDownloadedWhileWhatIsKeptIsShown_data();
    void eachRangeIsDownloadedWhileWhatIsKeptIsShown();
    void theKeyboardReachesEveryControlAndMovesTheShownDay();
    void aScreenReaderReadsTheSummaryAndTheShownDay();
    void aRightToLeftLanguageMirrorsTheWindowAndTheChart();
    void theLineStaysInThePlotAndNoLabelIsCut_data();
    void theLineStaysInThePlotAndNoLabelIsCut();
};

void HistoryTest::ctrlHOpensOneWindowThatFollowsTheSelectedRow()
{
    HistoryWindow history;
    auto &[core, controller, table] = history.converter;
    QVERIFY(history.converter.show());
    table.selectForTyping(1);
    QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(history.window());
    QTRY_VERIFY(history.window()->isVisible());
    QCOMPARE(pair(history.window()), QStringLiteral("EUR/USD"));

    table.selectForTyping(3);
    QCOMPARE(pair(history.window()), QStringLiteral("JPY/USD"));
    // The main row is shown against the first visible currency.
    table.selectForTyping(0);
    QCOMPARE(pair(history.window()), QStringLiteral("USD/EUR"));

    controller.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&controller));
    QTest::keyClick(&controller, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(historyWindowsOpen(), 1);

    // Closed, it follows nothing; Ctrl+H makes it anew.
    QVERIFY(hasTheKeyboard(history.window()));
    QTest::keyClick(history.window(), Qt::Key_Escape);
    QTRY_VERIFY(!history.window());
    table.selectForTyping(2);
    QCOMPARE(historyWindowsOpen(), 0);
}

void HistoryTest::theContextMenuOpensTheRowUnderIt()
{
    HistoryWindow history;
    auto &[core, controller, table] = history.converter;
    QVERIFY(history.converter.show());
    table.selectForTyping(1);
    QVERIFY(pickFromContextMenu(table, 2, QStringLiteral("History")));
    QTRY_VERIFY(history.window() && history.window()->isVisible());
    QCOMPARE(pair(history.window()), QStringLiteral("GBP/USD"));
}

void HistoryTest::eachRangeIsDownloadedWhileWhatIsKeptIsShown_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("status");
    QTest::newRow("the download brings the missing months")
        << QString() << QString();
    QTest::newRow("offline: what is kept, and why nothing came")
        << QStringLiteral("the network is down")
        << QStringLiteral("The download failed: the network is down. Shown are the rates kept on "
                          "this computer.\nNo rates before March 30, 2026.");
}

void HistoryTest::eachRangeIsDownloadedWhileWhatIsKeptIsShown()
{
    QFETCH(QString, failure);
    QFETCH(QString, status);
    ConverterWindow converter(ConverterHarness::Setup{.visible = Visible});
    MemoryRateHistory &kept = converter.core.history;
    // Six months kept; the server has the year.
    keepAYear(kept, QDate(2026, 3, 30));
    kept.served[QStringLiteral("EUR")] = workdays(Today.addYears(-1), Today, 0.9);
    kept.failure = failure;
    kept.holdDownloads = true;
    QVERIFY(converter.show());
    converter.table.selectForTyping(1);
    converter.controller.showHistory();
    FXHistoryWindowController *window = converter.controller.historyWindow();
    QVERIFY(window);

    QCOMPARE(window->range(), FXChartRange::OneYear);
    QCOMPARE(kept.requests.size(), 1);
    QCOMPARE(kept.requests[0].from, Today.addYears(-1));
    QCOMPARE(kept.requests[0].to, Today);
    QCOMPARE(kept.requests[0].currencies, (QStringList{QStringLiteral("EUR"), QStringLiteral("USD")}));
    QVERIFY(window->isDownloading());
    QCOMPARE(window->statusLabel()->text(),
             QStringLiteral("Downloading…\nNo rates before March 30, 2026."));
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
    QCOMPARE(window->range(), FXChartRange::OneMonth);
    QVERIFY(window->rangeButton(FXChartRange::OneMonth)->isChecked());
    kept.finishDownloads();
    QVERIFY(!window->isDownloading());
    QCOMPARE(window->chartView()->chart()->from(), Today.addMonths(-1));
}

void HistoryTest::theKeyboardReachesEveryControlAndMovesTheShownDay()
{
    HistoryWindow history;
    QVERIFY(history.converter.show());
    history.converter.table.selectForTyping(1);
    history.converter.controller.showHistory();
    FXHistoryWindowController *window = history.window();
    QVERIFY(hasTheKeyboard(window));

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
    QVERIFY(reached.contains(window->chartView()));
    // Space chooses the range that has the keyboard; choosing it again keeps it.
    window->rangeButton(FXChartRange::ThreeMonths)->setFocus();
    QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
    QTest::keyClick(window->rangeButton(FXChartRange::ThreeMonths), Qt::Key_Space);
    QCOMPARE(window->range(), FXChartRange::ThreeMonths);
    QVERIFY(window->rangeButton(FXChartRange::ThreeMonths)->isChecked());
    QVERIFY(!window->rangeButton(FXChartRange::OneYear)->isChecked());

    // Mnemonics choose a range (after the button's short press).
    QTest::keyClick(window, Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(window->range(), FXChartRange::OneMonth);
    QTest::keyClick(window, Qt::Key_5, Qt::AltModifier);
    QTRY_COMPARE(window->range(), FXChartRange::FiveYears);
    QTest::keyClick(window, Qt::Key_Y, Qt::AltModifier);
    QTRY_COMPARE(window->range(), FXChartRange::OneYear);

    // The shown day starts at the last and moves by kept days.
    FXRateChartView *chart = window->chartView();
    chart->setFocus();
    const QList<FXChartPoint> points = chart->chart()->points();
    const auto shownDay = [&] { return window->pointLabel()->text().section(u':', 0, 0); };
    QCOMPARE(shownDay(), QStringLiteral("September 29, 2026"));
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(chart->selectedPoint()->day, points[points.size() - 2].day);
    QCOMPARE(shownDay(), QStringLiteral("September 28, 2026"));
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(shownDay(), QStringLiteral("September 25, 2026"));   // over the weekend
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(shownDay(), QStringLiteral("September 28, 2026"));
    QTest::keyClick(chart, Qt::Key_Home);
    QCOMPARE(chart->selectedPoint()->day, points.first().day);
    QTest::keyClick(chart, Qt::Key_Left);   // nothing before the first
    QCOMPARE(chart->selectedPoint()->day, points.first().day);
    QTest::keyClick(chart, Qt::Key_End);
    QCOMPARE(chart->selectedPoint()->day, Today);
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(chart->selectedPoint()->day, Today);

    // The pointer shows the day under it.
    const QRectF plot = chart->plotArea();
    QTest::mouseMove(chart, QPoint(int(plot.center().x()), int(plot.center().y())));
    QTRY_VERIFY(std::abs(chart->selectedPoint()->day.daysTo(Today.addMonths(-6))) <= 3);
}

void HistoryTest::aScreenReaderReadsTheSummaryAndTheShownDay()
{
    HistoryWindow history;
    QVERIFY(history.converter.show());
    history.converter.table.selectForTyping(1);
    history.converter.controller.showHistory();
    FXHistoryWindowController *window = history.window();
    FXRateChartView *chart = window->chartView();
    QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(readable);
    const QString summary = readable->text(QAccessible::Name);
    QVERIFY2(summary.startsWith(QStringLiteral("US Dollar per Euro over one year: from ")),
             qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral(", low ")) && summary.contains(QStringLiteral(", high ")),
             qPrintable(summary));
    QCOMPARE(readable->text(QAccessible::Description), window->pointLabel()->text());

    QTest::keyClick(chart, Qt::Key_Home);
    QCOMPARE(readable->text(QAccessible::Description), window->pointLabel()->text());
    QVERIFY(readable->text(QAccessible::Description).startsWith(QStringLiteral("September 29, 2025")));

    window->setRange(FXChartRange::OneMonth);
    QVERIFY2(readable->text(QAccessible::Name).startsWith(QStringLiteral("US Dollar per Euro over one month")),
             qPrintable(readable->text(QAccessible::Name)));
    // The buttons read without their mnemonics.
    QVERIFY(readableNamed(window, QStringLiteral("5 Years")));
}

void HistoryTest::aRightToLeftLanguageMirrorsTheWindowAndTheChart()
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    HistoryWindow history;
    QVERIFY(history.converter.show());
    history.converter.table.selectForTyping(1);
    history.converter.controller.showHistory();
    FXHistoryWindowController *window = history.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));

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
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("width");
    QTest::newRow("a month") << int(FXChartRange::OneMonth) << false << 560;
    QTest::newRow("a year, narrow") << int(FXChartRange::OneYear) << false << 320;
    QTest::newRow("five years, mirrored") << int(FXChartRange::FiveYears) << true << 560;
    QTest::newRow("all") << int(FXChartRange::All) << false << 700;
}

void HistoryTest::theLineStaysInThePlotAndNoLabelIsCut()
{
    QFETCH(int, range);
    QFETCH(bool, rightToLeft);
    QFETCH(int, width);
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    HistoryWindow history;
    history.converter.core.history.kept[QStringLiteral("EUR")] = workdays(Today.addYears(-7), Today, 0.9);
    history.converter.controller.showHistory();
    FXHistoryWindowController *window = history.window();
    window->setRange(FXChartRange(range));
    FXRateChartView *chart = window->chartView();
    chart->resize(width, 240);
    QVERIFY(!chart->chart()->isEmpty());

    QImage image(chart->size(), QImage::Format_RGB32);
    chart->render(&image);
    const QColor line = chart->lineColor();
    const QRect plot = chart->plotArea().toAlignedRect();
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == line)
                ++(plot.contains(x, y) ? inside : outside);
        }
    }
    QVERIFY2(inside > width / 2, qPrintable(QString::number(inside)));
    QCOMPARE(outside, 0);

    // Every label fits its place, within the chart and clear of the plot and of each other.
    const QFontMetricsF metrics(chart->font());
    const QList<FXRateChartView::Label> labels = chart->axisLabels();
    QVERIFY(labels.size() >= 4);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const FXRateChartView::Label &label = labels[i];
        QVERIFY2(QRectF(chart->rect()).contains(label.rect), qPrintable(label.text));
        QVERIFY2(label.rect.width() >= metrics.horizontalAdvance(label.text), qPrintable(label.text));
        QVERIFY2(!label.rect.intersects(chart->plotArea()), qPrintable(label.text));
        for (qsizetype j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!label.rect.intersects(labels[j].rect), qPrintable(label.text + u'/' + labels[j].text));
    }
    // Nothing is painted on the chart's outermost pixels, where a cut text would end.
    const QColor base = chart->palette().color(QPalette::Base);
    for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(image.pixelColor(x, 0), base);
        QCOMPARE(image.pixelColor(x, image.height() - 1), base);
    }
    for (int y = 0; y < image.height(); ++y) {
        QCOMPARE(image.pixelColor(0, y), base);
        QCOMPARE(image.pixelColor(image.width() - 1, y), base);
    }
}

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
