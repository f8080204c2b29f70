// What the preferences' searchable lists cost: opening the number-format sheet (every ICU locale
// with a region, named and sorted) and a keystroke in the add-currency search, each until the
// list on screen has repainted. The floor is a dialog with a plain list of the same texts, which
// shows what Qt alone costs for as many rows.
//
// Run it under the platform to measure: offscreen by default, or under Xvfb with
// QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/ui/preferences_sheets_bench

#include "ConverterHarness.h"
#include "FXAddCurrencyViewController.h"
#include "FXNumberFormatViewController.h"
#include "FXNumberFormatsModel.h"
#include "FXPreferencesServices.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

struct Preferences {
    ConverterHarness core;
    FXPreferencesServices services{core.center, core.locale, core.settings, core.currencies,
                                   core.flags};
};

// Waits for the first paint of `view`'s rows after the clock started.
class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    void waitFor(QAbstractItemView *view)
    {
        painted = false;
        view->viewport()->installEventFilter(this);
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        view->viewport()->removeEventFilter(this);
    }
    bool painted = false;
};

QStringList formatNames()
{
    FXNumberFormatsModel formats;
    QStringList names;
    for (int row = 0; row < formats.rowCount(); ++row)
        names.append(formats.index(row, 0).data().toString());
    return names;
}

void OpenNumberFormatSheet(benchmark::State &state)
{
    Preferences preferences;
    QWidget window;
    PaintWatcher watcher;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *sheet = new FXNumberFormatViewController(preferences.services, &window);
        sheet->show();
        watcher.waitFor(sheet->formatsTableView());
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        state.counters["rows"] = double(sheet->formatsTableView()->model()->rowCount());
        delete sheet;
    }
}

void OpenPlainListFloor(benchmark::State &state)
{
    const QStringList names = formatNames();
    QWidget window;
    PaintWatcher watcher;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *dialog = new QDialog(&window);
        auto *model = new QStringListModel(names, dialog);
        auto *filtered = new QSortFilterProxyModel(dialog);
        filtered->setSourceModel(model);
        auto *list = new QTreeView(dialog);
        list->setModel(filtered);
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(new QLineEdit(dialog));
        layout->addWidget(list);
        dialog->show();
        watcher.waitFor(list);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        delete dialog;
    }
}

void SearchKeystrokeInAddSheet(benchmark::State &state)
{
    Preferences preferences;
    QWidget window;
    auto *sheet = new FXAddCurrencyViewController(preferences.services, &window);
    sheet->show();
    if (!QTest::qWaitForWindowExposed(sheet)) {
        state.SkipWithError("the sheet was not shown");
        return;
    }
    PaintWatcher watcher;
    const QList<Qt::Key> keys{Qt::Key_D, Qt::Key_O, Qt::Key_Backspace, Qt::Key_Backspace};
    qsizetype next = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(sheet->searchField(), keys[next]);
        next = (next + 1) % keys.size();
        watcher.waitFor(sheet->currenciesTableView());
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["currencies"] = double(sheet->currenciesToAdd().size());
}

}

BENCHMARK(OpenNumberFormatSheet)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenPlainListFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SearchKeystrokeInAddSheet)->UseManualTime()->Unit(benchmark::kMillisecond);
