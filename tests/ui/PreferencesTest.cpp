// The preferences window: its panes and their switch, the visible currencies and how they are
// reordered, added and removed, the main-currency and number-format sheets, and what screen
// readers find. Every change is checked where it lands: the settings and the converter's rows.

#include "FXAddCurrencyViewController.h"
#include "FXCurrencyFilterModel.h"
#include "FXCurrencyListView.h"
#include "FXCurrencyPreferencesCell.h"
#include "FXCurrencyPreferencesViewController.h"
#include "FXGeneralPreferencesViewController.h"
#include "FXNumberFormatViewController.h"
#include "FXPreferencesLabels.h"
#include "FXPreferencesSegue.h"
#include "FXPreferencesWindowController.h"
#include "FXSetMainCurrencyViewController.h"
#include "FXVisibleCurrenciesModel.h"
#include "Readables.h"
#include "TableDriver.h"
#include "TestData.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QTreeView>

namespace {

// The core of a converter, the preferences' view of it, and a count of the settings' announcements.
struct Preferences {
    explicit Preferences(const ConverterHarness::Setup &setup = {})
        : core(setup)
    {
        core.center.addObserver(&observer, FXSettingsDidChangeNotification,
                                [this](const FXNotification &) { ++announcements; });
    }

    ConverterHarness core;
    QObject observer;
    FXPreferencesServices services{core.center, core.locale, core.settings, core.currencies,
                                   core.flags};
    int announcements = 0;
};

QMimeData *draggedRow(FXVisibleCurrenciesModel &model, int row)
{
    return model.mimeData({model.index(row, 0)});
}

}

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void theSwitchKeepsTheTopLeftCornerAndScreenReadersFindEveryControl();
    void aDropOrAKeyMovesTheCurrencyIntoItsGap_data();
    void aDropOrAKeyMovesTheCurrencyIntoItsGap();
    void aDragFromElsewhereIsRefusedAndTheGapFollowsThePointer();
    void removeSearchAddAndResetShowInTheConverter();
    void theMainCurrencySheetOpensAsStoredAndWritesOnceApplied_data();
    void theMainCurrencySheetOpensAsStoredAndWritesOnceApplied();
    void theGeneralPaneTellsTheStateAndTakesAServerAndANumberFormat();
};

void PreferencesTest::theSwitchKeepsTheTopLeftCornerAndScreenReadersFindEveryControl()
{
    Preferences preferences;
    FXPreferencesWindowController window(preferences.services);
    window.move(100, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint corner = window.pos();
    const QSize general = window.size();
    QCOMPARE(window.selectedItemIdentifier(), u"General"_qs);
    // Screen readers read the panes' items as toggles.
    QCOMPARE(namesWithRole(window.toolbar(), QAccessible::CheckBox), codes("General Currencies"));
    QVERIFY(namesWithRole(&window, QAccessible::Button).contains(u"Refresh Now"_qs));

    QSignalSpy finished(window.segue(), &FXPreferencesSegue::finished);
    window.currenciesAction()->trigger();
    QVERIFY(finished.wait());
    QCOMPARE(window.selectedItemIdentifier(), u"Currencies"_qs);
    auto *pane = qobject_cast<FXCurrencyPreferencesViewController *>(window.paneViewController());
    QVERIFY(pane);
    QVERIFY(window.size() != general);
    QCOMPARE(window.pos(), corner);
    QCOMPARE(pane->geometry().bottom(), window.centralWidget()->geometry().bottom());
    // Every control, list and row of the pane (and of its sheets, below) has a name for screen
    // readers.
    const QStringList buttons = namesWithRole(pane, QAccessible::Button);
    for (const QString &name : {u"Add Currency"_qs, u"Remove Currency"_qs, u"Restore Defaults"_qs})
        QVERIFY2(buttons.contains(name), qPrintable(name));
    QCOMPARE(namesWithRole(pane, QAccessible::List), QStringList(u"Visible Currencies"_qs));
    QVERIFY(namesWithRole(pane, QAccessible::ListItem).contains(u"Euro (EUR)"_qs));

    window.generalAction()->trigger();
    QVERIFY(finished.wait());
    QCOMPARE(window.size(), general);
    QCOMPARE(window.pos(), corner);
}

void PreferencesTest::aDropOrAKeyMovesTheCurrencyIntoItsGap_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QKeyCombination>("key");   // none: a drop into `gap`, or onto its row
    QTest::addColumn<int>("gap");
    QTest::addColumn<bool>("ontoRow");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("selected");
    const QKeyCombination drop;
    // On USD EUR GBP JPY BTC.
    QTest::addRow("USD above JPY") << 0 << drop << 3 << false << "EUR GBP USD JPY BTC" << "USD";
    QTest::addRow("BTC above EUR") << 4 << drop << 1 << false << "USD BTC EUR GBP JPY" << "BTC";
    QTest::addRow("EUR below the last") << 1 << drop << 5 << false << "USD GBP JPY BTC EUR" << "EUR";
    QTest::addRow("GBP above itself") << 2 << drop << 2 << false << "USD EUR GBP JPY BTC" << "GBP";
    QTest::addRow("GBP below itself") << 2 << drop << 3 << false << "USD EUR GBP JPY BTC" << "GBP";
    QTest::addRow("USD onto JPY goes above it") << 0 << drop << 3 << true << "EUR GBP USD JPY BTC" << "USD";
    const auto key = [](const char *name, int row, QKeyCombination keys) -> QTestData & {
        return QTest::addRow("%s", name) << row << keys << 0 << false;
    };
    key("Alt+Down", 1, Qt::ALT | Qt::Key_Down) << "USD GBP EUR JPY BTC" << "EUR";
    key("Alt+Up", 1, Qt::ALT | Qt::Key_Up) << "EUR USD GBP JPY BTC" << "EUR";
    key("Alt+Up on the first", 0, Qt::ALT | Qt::Key_Up) << "USD EUR GBP JPY BTC" << "USD";
    key("Alt+Down on the last", 4, Qt::ALT | Qt::Key_Down) << "USD EUR GBP JPY BTC" << "BTC";
    key("Delete", 1, QKeyCombination(Qt::Key_Delete)) << "USD GBP JPY BTC" << "GBP";
    key("Delete the last", 4, QKeyCombination(Qt::Key_Delete)) << "USD EUR GBP JPY" << "JPY";
}

void PreferencesTest::aDropOrAKeyMovesTheCurrencyIntoItsGap()
{
    QFETCH(int, from);
    QFETCH(QKeyCombination, key);
    QFETCH(int, gap);
    QFETCH(bool, ontoRow);
    QFETCH(QString, after);
    QFETCH(QString, selected);
    Preferences preferences;
    FXCurrencyPreferencesViewController pane(preferences.services);
    FXVisibleCurrenciesModel &model = *pane.currenciesModel();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.currencies(), codes("USD EUR GBP JPY BTC"));

    if (key == QKeyCombination()) {
        std::unique_ptr<QMimeData> data(draggedRow(model, from));
        QVERIFY(model.canDropMimeData(data.get(), Qt::MoveAction, gap, 0, {}));
        QVERIFY(ontoRow ? model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(gap, 0))
                        : model.dropMimeData(data.get(), Qt::MoveAction, gap, 0, {}));
        // A drop into a gap next to the row itself still rewrites the list.
        QCOMPARE(preferences.announcements, 1);
    } else {
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.currenciesTableView()->setFocus();
        pane.selectRow(from);
        QTest::keyClick(pane.currenciesTableView(), key.key(), key.keyboardModifiers());
    }

    QCOMPARE(preferences.core.settings.visibleCurrencies(), after.split(u' '));
    QCOMPARE(model.currencies(), after.split(u' '));
    QCOMPARE(pane.selectedCurrency(), selected);
}

// The offscreen platform ends every drag at once, so the drag events here come from no drag of
// this list: they stand for a drag from elsewhere, with the list's own payload.
void PreferencesTest::aDragFromElsewhereIsRefusedAndTheGapFollowsThePointer()
{
    Preferences preferences;
    FXCurrencyPreferencesViewController pane(preferences.services);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    FXCurrencyListView &list = *pane.currenciesTableView();
    FXVisibleCurrenciesModel &model = *pane.currenciesModel();
    const QRect jpy = list.visualRect(model.index(3, 0));
    // The upper half of a row is the gap above it, the lower half the gap below.
    QCOMPARE(list.gapAt(jpy.center() - QPoint(0, 5)), 3);
    QCOMPARE(list.gapAt(jpy.center() + QPoint(0, 5)), 4);
    QCOMPARE(list.gapAt(QPoint(5, list.viewport()->height() - 2)), 5);

    std::unique_ptr<QMimeData> data(draggedRow(model, 0));
    const QPoint point = jpy.center();
    QDragEnterEvent enter(point, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(list.viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QCOMPARE(list.shownGap(), -1);

    // What another program drops, without the private type, is refused by the model too.
    QMimeData text;
    text.setText(u"0"_qs);
    QVERIFY(!model.canDropMimeData(&text, Qt::MoveAction, 1, 0, {}));
    QVERIFY(!model.dropMimeData(&text, Qt::MoveAction, 1, 0, {}));
    QCOMPARE(preferences.announcements, 0);
}

void PreferencesTest::removeSearchAddAndResetShowInTheConverter()
{
    Preferences preferences;
    FXMainViewController converter(preferences.core.services);
    FXCurrencyPreferencesViewController pane(preferences.services);
    pane.show();
    QVERIFY(QTest::qWaitForWindowActive(&pane));
    QCOMPARE(converter.currencies(), codes("USD EUR GBP JPY BTC"));

    pane.selectRow(1);
    QTest::mouseClick(pane.removeButton(), Qt::LeftButton);
    QCOMPARE(converter.currencies(), codes("USD GBP JPY BTC"));

    QTest::mouseClick(pane.addButton(), Qt::LeftButton);
    FXAddCurrencyViewController *sheet = pane.addSheet();
    QVERIFY(sheet);
    QVERIFY(sheet->currenciesToAdd().contains(u"EUR"_qs));
    QVERIFY(!sheet->currenciesToAdd().contains(u"GBP"_qs));
    // The search shows what the core finds, a found currency always selected so that Return adds
    // it; an emptied search shows every currency again.
    FXCurrencyFilterModel &filtered = *sheet->filteredCurrencies();
    QAbstractItemModelTester tester(&filtered, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QItemSelectionModel &selection = *sheet->currenciesTableView()->selectionModel();
    QTest::keyClicks(sheet->searchField(), u"zzz"_qs);
    QCOMPARE(filtered.rowCount(), 0);
    QVERIFY(!selection.hasSelection());
    QTest::keyClick(sheet->searchField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(sheet->searchField(), Qt::Key_Backspace);
    QCOMPARE(filtered.rowCount(), int(sheet->currenciesToAdd().size()));
    QVERIFY(selection.hasSelection());
    QTest::keyClicks(sheet->searchField(), u"chf"_qs);
    QCOMPARE(namesWithRole(sheet, QAccessible::ListItem), QStringList(u"Swiss Franc (CHF)"_qs));
    QCOMPARE(namesWithRole(sheet, QAccessible::List), QStringList(u"Available Currencies"_qs));
    QCOMPARE(namesWithRole(sheet, QAccessible::EditableText), QStringList(u"Search Currencies"_qs));
    QTest::keyClick(sheet->searchField(), Qt::Key_Return);
    QTRY_VERIFY(!pane.addSheet());
    QTRY_VERIFY(pane.isActiveWindow());
    QVERIFY(pane.currenciesTableView()->hasFocus());
    QCOMPARE(preferences.core.settings.visibleCurrencies(), codes("CHF USD GBP JPY BTC"));
    QCOMPARE(converter.currencies(), codes("USD CHF GBP JPY BTC"));
    QCOMPARE(pane.selectedCurrency(), u"CHF"_qs);

    // Cancelling adds nothing, and the first row is selected again.
    pane.selectRow(3);
    pane.presentAddCurrency();
    QTest::keyClick(pane.addSheet()->searchField(), Qt::Key_Escape);
    QTRY_VERIFY(!pane.addSheet());
    QCOMPARE(preferences.core.settings.visibleCurrencies(), codes("CHF USD GBP JPY BTC"));
    QCOMPARE(pane.selectedCurrency(), u"CHF"_qs);

    QTest::mouseClick(pane.restoreButton(), Qt::LeftButton);
    QCOMPARE(pane.currenciesModel()->currencies(), codes("USD EUR GBP JPY BTC"));
    QCOMPARE(converter.currencies(), codes("USD EUR GBP JPY BTC"));
    QCOMPARE(preferences.announcements, 3);

    // A change made elsewhere, as by cambio-cli, shows and keeps the selection.
    pane.selectRow(2);
    preferences.core.settings.addCurrencyToVisible(u"NOK"_qs);
    QCOMPARE(pane.currenciesModel()->currencies(), codes("NOK USD EUR GBP JPY BTC"));
    QCOMPARE(pane.selectedCurrency(), u"GBP"_qs);
}

void PreferencesTest::theMainCurrencySheetOpensAsStoredAndWritesOnceApplied_data()
{
    QTest::addColumn<bool>("follows");     // stored before
    QTest::addColumn<QString>("fixed");    // stored before
    QTest::addColumn<QString>("choose");   // after a click on the check box; empty: none
    QTest::addColumn<QString>("header");   // the converter's first row after Return; empty: stays open
    // In the US.
    QTest::addRow("following the location, then CHF") << true << "" << "CHF" << "CHF";
    QTest::addRow("fixed to EUR, then following") << false << "EUR" << "" << "USD";
    QTest::addRow("neither, then nothing chosen") << false << "" << "" << "";
}

void PreferencesTest::theMainCurrencySheetOpensAsStoredAndWritesOnceApplied()
{
    QFETCH(bool, follows);
    QFETCH(QString, fixed);
    QFETCH(QString, choose);
    QFETCH(QString, header);
    Preferences preferences;
    FXSettingsManager &settings = preferences.core.settings;
    settings.setLocationBasedCurrencyEnabled(follows);
    settings.setDefaultCurrency(fixed.isEmpty() ? std::nullopt : std::optional(fixed));
    preferences.announcements = 0;
    FXMainViewController converter(preferences.core.services);
    QWidget over;
    auto *sheet = new FXSetMainCurrencyViewController(preferences.services, &over);
    QSignalSpy closed(sheet, &QDialog::finished);
    sheet->open();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QCOMPARE(namesWithRole(sheet, QAccessible::List), QStringList(u"Main Currency"_qs));
    QCOMPARE(namesWithRole(sheet, QAccessible::CheckBox), QStringList(u"Follow Location"_qs));
    QListView *list = sheet->currenciesTableView();

    QCOMPARE(sheet->automaticCurrencyCheckbox()->isChecked(), follows);
    QCOMPARE(list->isEnabled(), !follows);
    QCOMPARE(sheet->listOpacity(), follows ? 0.5 : 1.0);
    QCOMPARE(sheet->selectedCurrency(), fixed);
    QVERIFY(fixed.isEmpty() || list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    // The check box dims or brings back the list without touching the settings.
    if (follows || !fixed.isEmpty()) {
        sheet->automaticCurrencyCheckbox()->click();
        QCOMPARE(list->isEnabled(), follows);
        QCOMPARE(sheet->listOpacity(), follows ? 1.0 : 0.5);
        QCOMPARE(preferences.announcements, 0);
    }
    if (!choose.isEmpty())
        list->setCurrentIndex(list->model()->index(int(preferences.core.currencies.allCurrencies().indexOf(choose)), 0));
    // Apply is offered only for something to apply.
    const bool closes = !header.isEmpty();
    QCOMPARE(childReading<QPushButton>(sheet, u"Apply"_qs)->isEnabled(), closes);

    QTest::keyClick(sheet, Qt::Key_Return);

    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(preferences.announcements, closes ? 1 : 0);
    QCOMPARE(settings.isLocationBasedCurrencyEnabled(), closes ? choose.isEmpty() : follows);
    QCOMPARE(settings.defaultCurrency().value_or(QString()), closes ? choose : fixed);
    QCOMPARE(converter.currencies().first(), closes ? header : u"USD"_qs);
}

void PreferencesTest::theGeneralPaneTellsTheStateAndTakesAServerAndANumberFormat()
{
    Preferences preferences;
    FXMainViewController converter(preferences.core.services);
    converter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&converter));
    TableDriver table(converter);
    FXGeneralPreferencesViewController pane(preferences.services);
    pane.show();
    QVERIFY(QTest::qWaitForWindowActive(&pane));
    QCOMPARE(pane.mainCurrencyLabel()->text(), u"Follows location: USD"_qs);
    preferences.core.settings.setMainCurrency(u"CHF"_qs);
    QCOMPARE(pane.mainCurrencyLabel()->text(), u"CHF (fixed)"_qs);

    // The harness's rates server refuses every connection.
    QTest::mouseClick(pane.refreshButton(), Qt::LeftButton);
    QCOMPARE(pane.ratesStatusLabel()->text(), u"Updating…"_qs);
    QVERIFY(!pane.refreshButton()->isEnabled());
    QTRY_VERIFY(pane.refreshButton()->isEnabled());
    QCOMPARE(pane.ratesStatusLabel()->text(),
             u"Updated "_qs + preferences.core.currencies.humanReadableUpdateDate());
    const QString failure = pane.ratesFailureLabel()->text();
    QVERIFY(pane.ratesFailureLabel()->isVisible());
    QVERIFY2(failure.startsWith(u"Cannot update the rates from"_qs) && failure.endsWith(u"connection refused"_qs),
             qPrintable(failure));

    // A rates server is stored only when it is an HTTP address.
    QLineEdit &field = *pane.ratesServerField();
    field.setFocus();
    for (const QString &server : {u"rates.lan/u.php"_qs, u"http://127.0.0.1:9/u.php"_qs}) {
        field.selectAll();
        QTest::keyClicks(&field, server);
        QTest::keyClick(&field, Qt::Key_Return);
        const bool stored = server.startsWith(u"http:");
        QCOMPARE(preferences.core.settings.ratesServerURL(), stored ? std::optional(server) : std::nullopt);
        QCOMPARE(pane.failureLabel()->isVisible(), !stored);
        QCOMPARE(pane.failureLabel()->text().contains(server), !stored);
    }

    // A number format rewrites the converter's amounts at once.
    const int euro = int(converter.currencies().indexOf(u"EUR"_qs));
    QVERIFY(table.shown(euro).contains(u'.'));
    pane.numberFormatButton()->click();
    FXNumberFormatViewController *sheet = pane.numberFormatSheet();
    QVERIFY(sheet);
    QAbstractItemModelTester tester(sheet->formatsTableView()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Rows as high as in the lists of currencies.
    const QTreeView *formats = sheet->formatsTableView();
    QCOMPARE(formats->visualRect(formats->currentIndex()).height(), FXCurrencyPreferencesCell::RowHeight);
    QTest::keyClicks(sheet->searchField(), u"German (Germany)"_qs);
    QTest::keyClick(sheet->searchField(), Qt::Key_Return);
    QTRY_VERIFY(!pane.numberFormatSheet());
    QCOMPARE(preferences.core.settings.numberFormatLocale(), u"de_DE"_qs);
    QCOMPARE(table.shown(euro), preferences.core.amount(u"EUR"_qs));
    QVERIFY(table.shown(euro).contains(u','));
    QCOMPARE(pane.numberFormatLabel()->text(), u"German (Germany)"_qs);
    // Back to the system's notation.
    pane.numberFormatButton()->click();
    QTest::keyClicks(pane.numberFormatSheet()->searchField(), u"System"_qs);
    QTest::keyClick(pane.numberFormatSheet()->searchField(), Qt::Key_Return);
    QTRY_VERIFY(!pane.numberFormatSheet());
    QCOMPARE(preferences.core.settings.numberFormatLocale(), std::nullopt);
    QVERIFY(table.shown(euro).contains(u'.'));
}

QTEST_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
