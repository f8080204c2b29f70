// What opening the rate-history window costs: from making it over a year of kept daily rates to
// its chart's first paint. The floor is a bare window of the same size painting a static polyline
// of 365 points, which shows what Qt alone costs for a window with a line.
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

#include <cmath>

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

void OpenYearChart(benchmark::State &state)
{
    MemoryRateHistory history = tenYears();
    FXNotificationCenter center;
    const FXLocale locale(QStringLiteral("en_US"));
    PaintWatcher watcher;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *window = new FXHistoryWindowController(history, locale, center, [] { return Today; });
        window->showCurrency(QStringLiteral("EUR"), QStringLiteral("USD"));
        window->show();
        watcher.waitFor(window->chartView());
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        state.counters["points"] = double(window->chartView()->chart()->points().size());
        delete window;
    }
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

void OpenPolylineFloor(benchmark::State &state)
{
    // As large as the history window opens, so that both put as many pixels on the screen.
    MemoryRateHistory history = tenYears();
    FXNotificationCenter center;
    const FXLocale locale(QStringLiteral("en_US"));
    const QSize size =
        FXHistoryWindowController(history, locale, center, [] { return Today; }).sizeHint();
    PaintWatcher watcher;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *window = new PolylineWindow(size);
        window->show();
        watcher.waitFor(window);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        state.counters["width"] = window->width();
        state.counters["height"] = window->height();
        delete window;
    }
}

}

BENCHMARK(OpenYearChart)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenPolylineFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
