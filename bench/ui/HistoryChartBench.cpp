// What opening the rate-history window costs: from making it over a year of kept daily rates to
// its chart's first paint. The floor is a bare window of the same size painting a static polyline
// of 365 points, which shows what Qt alone costs for a window with a line; both are opened in
// turns and the counters tell the median of each and their ratio.
//
// Run it under the platform to measure: offscreen by default, or under Xvfb with
// QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/ui/history_chart_bench

#include "FXHistoryWindowController.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXRateChartView.h"
#include "MemoryRateHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QDate Today(2026, 12, 7);

// Waits for the first paint of `widget` after the clock started.
class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    void waitFor(QWidget *widget)
    {
        painted = false;
        widget->installEventFilter(this);
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        widget->removeEventFilter(this);
    }
    bool painted = false;
};

// Ten years of working days, as the rates server's history keeps them.
MemoryRateHistory tenYears()
{
    MemoryRateHistory history;
    history.holdDownloads = true;
    int i = 0;
    for (QDate day = Today.addYears(-10); day <= Today; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        ++i;
        history.kept[QStringLiteral("USD")].append({day, 1});
        history.kept[QStringLiteral("EUR")].append({day, 0.9 + 0.05 * std::sin(i / 40.0)});
    }
    return history;
}

// A window of `size` that paints one line through 365 fixed points.
class PolylineWindow : public QWidget {
public:
    explicit PolylineWindow(QSize size)
    {
        for (int i = 0; i < 365; ++i)
            m_line.append(QPointF(i / 365.0, 0.5 + 0.4 * std::sin(i / 40.0)));
        resize(size);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), palette().base());
        painter.scale(width(), height());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawPolyline(m_line);
    }

private:
    QPolygonF m_line;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Both windows in turns, the first of each pair changing every round, so that both see the same
// machine: the counters give the median of each and their ratio.
void OpenYearChartAgainstFloor(benchmark::State &state)
{
    MemoryRateHistory history = tenYears();
    FXNotificationCenter center;
    const FXLocale locale(QStringLiteral("en_US"));
    // As large as the history window opens, so that both put as many pixels on the screen.
    const QSize size =
        FXHistoryWindowController(history, locale, center, [] { return Today; }).sizeHint();
    PaintWatcher watcher;
    const auto openChart = [&] {
        QElapsedTimer clock;
        clock.start();
        auto *window = new FXHistoryWindowController(history, locale, center, [] { return Today; });
        window->showCurrency(QStringLiteral("EUR"), QStringLiteral("USD"));
        window->show();
        watcher.waitFor(window->chartView());
        const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
        state.counters["points"] = double(window->chartView()->chart()->points().size());
        delete window;
        return milliseconds;
    };
    const auto openFloor = [&] {
        QElapsedTimer clock;
        clock.start();
        auto *window = new PolylineWindow(size);
        window->show();
        watcher.waitFor(window);
        const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
        delete window;
        return milliseconds;
    };
    std::vector<double> charts;
    std::vector<double> floors;
    bool chartFirst = false;
    for (auto _ : state) {
        chartFirst = !chartFirst;
        if (chartFirst)
            charts.push_back(openChart());
        floors.push_back(openFloor());
        if (!chartFirst)
            charts.push_back(openChart());
        state.SetIterationTime(charts.back() / 1e3);
    }
    state.counters["chart_ms"] = median(charts);
    state.counters["floor_ms"] = median(floors);
    state.counters["ratio"] = median(charts) / median(floors);
}

}

BENCHMARK(OpenYearChartAgainstFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
