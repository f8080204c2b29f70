// What a keystroke in an amount field costs until the window shows it: the edit check, every
// amount converted and written, and the repaint of every row on screen whose amount changed. With
// the default six rows, and with every currency of the seed visible (the rows on screen are the
// same few; the conversions are not).
//
// Run it under the platform to measure: offscreen by default, or under Xvfb with
// QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/ui/keystroke_repaint_bench

#include "ConverterHarness.h"
#include "FXMainWindowController.h"
#include "FXMainViewController.h"
#include "TableDriver.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Counts the paint events of the amount fields it watches.
class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(watched);
        return false;
    }
    QSet<QObject *> painted;
};

void KeystrokeToRepaint(benchmark::State &state)
{
    QStringList visible;
    {
        ConverterHarness probe;
        for (const QString &code : probe.currencies.allCurrencies()) {
            if (visible.size() + 1 < state.range(0) && code != u"USD")
                visible.append(code);
        }
    }
    ConverterHarness core({.visible = visible});
    FXMainWindowController window(core.services);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    TableDriver table(*window.contentViewController());
    table.clickField(1);
    FXTableTextField *source = table.field(1);
    QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(source, QStringLiteral("1"));
    QCoreApplication::processEvents();

    QList<FXTableTextField *> fields;
    for (int row = 0; row < table.table().numberOfRows(); ++row) {
        if (table.cell(row) && table.cell(row)->isVisible())
            fields.append(table.field(row));
    }
    PaintWatcher watcher;
    for (FXTableTextField *field : fields)
        field->installEventFilter(&watcher);

    // Four digits typed, then four deleted: every key changes every amount.
    const QList<Qt::Key> keys{Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_Backspace,
                              Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace};
    qsizetype next = 0;
    for (auto _ : state) {
        QHash<FXTableTextField *, QString> before;
        for (FXTableTextField *field : fields)
            before.insert(field, field->text());
        watcher.painted.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(source, keys[next]);
        next = (next + 1) % keys.size();
        QSet<QObject *> changed;
        for (FXTableTextField *field : fields) {
            if (field->text() != before.value(field))
                changed.insert(field);
        }
        while (!watcher.painted.contains(changed))
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["rows_on_screen"] = double(fields.size());
}

}

BENCHMARK(KeystrokeToRepaint)->Arg(6)->Arg(162)->UseManualTime()->Unit(benchmark::kMillisecond);
