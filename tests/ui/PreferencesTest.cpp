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
#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QTreeView>

namespace {

// The core of a converter, the preferences' view of it, and a count of the settings' announcements.
struct Preferences {
    Preferences()
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

// `from` moved by `key`, or with no key dropped into `gap` (or onto its row), gives the list
// `after` with `selected` selected.
struct Reorder { int from; QKeyCombination key; int gap; bool ontoRow; const char *after, *selected; };
// Stored: following the location or not, and a `fixed` main currency; then the check box
// `toggled` and `choose` chosen; the converter's first row after Return (empty: the sheet stays open).
struct MainChoice { bool follows; QString fixed; bool toggled; QString choose; QString header; };

}

Q_DECLARE_METATYPE(Reorder)
Q_DECLARE_METATYPE(MainChoice)

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void aDropOrAKeyMovesTheCurrencyIntoItsGap_data()
    {
        QTest::addColumn<Reorder>("reorder");
        // On USD EUR GBP JPY BTC.
        QTest::addRow("USD above JPY") << Reorder{0, {}, 3, false, "EUR GBP USD JPY BTC", "USD"};
        QTest::addRow("BTC above EUR") << Reorder{4, {}, 1, false, "USD BTC EUR GBP JPY", "BTC"};
        QTest::addRow("EUR below the last") << Reorder{1, {}, 5, false, "USD GBP JPY BTC EUR", "EUR"};
        QTest::addRow("GBP above itself") << Reorder{2, {}, 2, false, "USD EUR GBP JPY BTC", "GBP"};
        QTest::addRow("USD onto JPY goes above it") << Reorder{0, {}, 3, true, "EUR GBP USD JPY BTC", "USD"};
        QTest::addRow("Alt+Down")
            << Reorder{1, Qt::ALT | Qt::Key_Down, 0, false, "USD GBP EUR JPY BTC", "EUR"};
        QTest::addRow("Alt+Up") << Reorder{1, Qt::ALT | Qt::Key_Up, 0, false, "EUR USD GBP JPY BTC", "EUR"};
        QTest::addRow("Alt+Down on the last")
            << Reorder{4, Qt::ALT | Qt::Key_Down, 0, false, "USD EUR GBP JPY BTC", "BTC"};
        QTest::addRow("Delete the last") << Reorder{4, Qt::Key_Delete, 0, false, "USD EUR GBP JPY", "JPY"};
    }

    void aDropOrAKeyMovesTheCurrencyIntoItsGap()
    {
        QFETCH(Reorder, reorder);
        Preferences preferences;
        FXCurrencyPreferencesViewController pane(preferences.services);
        FXVisibleCurrenciesModel &model = *pane.currenciesModel();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        if (reorder.key == QKeyCombination()) {
            std::unique_ptr<QMimeData> data(model.mimeData({model.index(reorder.from, 0)}));
            const int gap = reorder.gap;
            QVERIFY(model.canDropMimeData(data.get(), Qt::MoveAction, gap, 0, {}));
            QVERIFY(reorder.ontoRow
                        ? model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(gap, 0))
                        : model.dropMimeData(data.get(), Qt::MoveAction, gap, 0, {}));
            // A drop into a gap next to the row itself still rewrites the list.
            QCOMPARE(preferences.announcements, 1);
        } else {
            pane.show();
            QVERIFY(QTest::qWaitForWindowActive(&pane));
            pane.currenciesTableView()->setFocus();
            pane.selectRow(reorder.from);
            QTest::keyClick(pane.currenciesTableView(), reorder.key.key(), reorder.key.keyboardModifiers());
        }

        QCOMPARE(preferences.core.settings.visibleCurrencies(), codes(reorder.after));
        QCOMPARE(model.currencies(), codes(reorder.after));
        QCOMPARE(pane.selectedCurrency(), QString::fromLatin1(reorder.selected));
    }

    void removeSearchAddAndResetShowInTheConverter()
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
        // The search shows what the core finds, the found currency selected so that Return adds it.
        QAbstractItemModelTester tester(sheet->filteredCurrencies(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTest::keyClicks(sheet->searchField(), u"chf"_qs);
        QCOMPARE(sheet->filteredCurrencies()->rowCount(), 1);
        QCOMPARE(readableNamed(sheet, u"Swiss Franc (CHF)"_qs).role, QAccessible::ListItem);
        QTest::keyClick(sheet->searchField(), Qt::Key_Return);
        QTRY_VERIFY(!pane.addSheet());
        QTRY_VERIFY(pane.isActiveWindow());
        QVERIFY(pane.currenciesTableView()->hasFocus());
        QCOMPARE(preferences.core.settings.visibleCurrencies(), codes("CHF USD GBP JPY BTC"));
        QCOMPARE(converter.currencies(), codes("USD CHF GBP JPY BTC"));
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

    void theMainCurrencySheetOpensAsStoredAndWritesOnceApplied_data()
    {
        QTest::addColumn<MainChoice>("choice");
        // In the US.
        QTest::addRow("following the location, then CHF") << MainChoice{true, {}, true, u"CHF"_qs, u"CHF"_qs};
        QTest::addRow("fixed to EUR, then following") << MainChoice{false, u"EUR"_qs, true, {}, u"USD"_qs};
        QTest::addRow("neither, then following") << MainChoice{false, {}, true, {}, u"USD"_qs};
        QTest::addRow("neither, then nothing chosen") << MainChoice{false, {}, false, {}, {}};
    }

    void theMainCurrencySheetOpensAsStoredAndWritesOnceApplied()
    {
        QFETCH(MainChoice, choice);
        const auto &[follows, fixed, toggled, choose, header] = choice;
        Preferences preferences;
        ConverterHarness &core = preferences.core;
        FXSettingsManager &settings = core.settings;
        settings.setLocationBasedCurrencyEnabled(follows);
        settings.setDefaultCurrency(fixed.isEmpty() ? std::nullopt : std::optional(fixed));
        preferences.announcements = 0;
        FXMainViewController converter(preferences.core.services);
        QWidget over;
        auto *sheet = new FXSetMainCurrencyViewController(preferences.services, &over);
        QSignalSpy closed(sheet, &QDialog::finished);
        sheet->open();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        QListView *list = sheet->currenciesTableView();

        QCOMPARE(sheet->automaticCurrencyCheckbox()->isChecked(), follows);
        QCOMPARE(list->isEnabled(), !follows);
        QCOMPARE(sheet->selectedCurrency(), fixed);
        QVERIFY(fixed.isEmpty() || list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
        // The check box dims or brings back the list without touching the settings.
        if (toggled) {
            sheet->automaticCurrencyCheckbox()->click();
            QCOMPARE(list->isEnabled(), follows);
            QCOMPARE(preferences.announcements, 0);
        }
        if (!choose.isEmpty())
            list->setCurrentIndex(
                list->model()->index(int(core.currencies.allCurrencies().indexOf(choose)), 0));
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

    void theGeneralPaneTellsTheStateAndTheSwitchKeepsTheWindowsCorner()
    {
        Preferences preferences;
        ConverterHarness &core = preferences.core;
        FXSettingsManager &settings = core.settings;
        FXMainViewController converter(core.services);
        converter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&converter));
        TableDriver table(converter);
        FXPreferencesWindowController window(preferences.services);
        window.move(100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Screen readers read the panes' items as toggles.
        QCOMPARE(readableNamed(window.toolbar(), u"Currencies"_qs).role, QAccessible::CheckBox);
        auto *pane = qobject_cast<FXGeneralPreferencesViewController *>(window.paneViewController());
        QVERIFY(pane);
        QCOMPARE(pane->mainCurrencyLabel()->text(), u"Follows location: USD"_qs);
        settings.setMainCurrency(u"CHF"_qs);
        QCOMPARE(pane->mainCurrencyLabel()->text(), u"CHF (fixed)"_qs);

        // The harness's rates server refuses every connection.
        QTest::mouseClick(pane->refreshButton(), Qt::LeftButton);
        QCOMPARE(pane->ratesStatusLabel()->text(), u"Updating…"_qs);
        QVERIFY(!pane->refreshButton()->isEnabled());
        QTRY_VERIFY(pane->refreshButton()->isEnabled());
        QCOMPARE(pane->ratesStatusLabel()->text(),
                 u"Updated "_qs + core.currencies.humanReadableUpdateDate());
        QVERIFY(pane->ratesFailureLabel()->isVisible());
        QVERIFY(pane->ratesFailureLabel()->text().endsWith(u"refused"_qs));

        // A rates server is stored only when it is an HTTP address.
        QLineEdit &field = *pane->ratesServerField();
        field.setFocus();
        for (const QString &server : {u"rates.lan/u.php"_qs, u"http://127.0.0.1:9/u.php"_qs}) {
            field.selectAll();
            QTest::keyClicks(&field, server);
            QTest::keyClick(&field, Qt::Key_Return);
            const bool stored = server.startsWith(u"http:");
            QCOMPARE(settings.ratesServerURL(), stored ? std::optional(server) : std::nullopt);
            QCOMPARE(pane->failureLabel()->isVisible(), !stored);
            QCOMPARE(pane->failureLabel()->text().contains(server), !stored);
        }

        // A number format rewrites the converter's amounts at once, and back to the system's notation.
        const int euro = int(converter.currencies().indexOf(u"EUR"_qs));
        for (const QString &format : {u"German (Germany)"_qs, u"System"_qs}) {
            pane->numberFormatButton()->click();
            FXNumberFormatViewController *sheet = pane->numberFormatSheet();
            QAbstractItemModelTester tester(sheet->formatsTableView()->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            // Rows as high as in the lists of currencies.
            const QTreeView *formats = sheet->formatsTableView();
            QCOMPARE(formats->visualRect(formats->currentIndex()).height(),
                     FXCurrencyPreferencesCell::RowHeight);
            QTest::keyClicks(sheet->searchField(), format);
            QTest::keyClick(sheet->searchField(), Qt::Key_Return);
            QTRY_VERIFY(!pane->numberFormatSheet());
            QCOMPARE(table.shown(euro), preferences.core.amount(u"EUR"_qs));
            QCOMPARE(table.shown(euro).contains(u','), format.startsWith(u"German"));
        }
        QCOMPARE(settings.numberFormatLocale(), std::nullopt);

        // Switching panes keeps the window's top left corner where it was, and the size of each pane,
        // measured once no refresh is about to change the pane's texts.
        QTRY_VERIFY(!core.currencies.isUpdating());
        QCoreApplication::processEvents();
        const QPoint corner = window.pos();
        const QSize general = window.size();
        QSignalSpy finished(window.segue(), &FXPreferencesSegue::finished);
        window.currenciesAction()->trigger();
        QVERIFY(finished.wait());
        QCOMPARE(window.selectedItemIdentifier(), u"Currencies"_qs);
        QWidget *currencies = window.paneViewController();
        QVERIFY(window.size() != general);
        QCOMPARE(window.pos(), corner);
        QCOMPARE(currencies->geometry().bottom(), window.centralWidget()->geometry().bottom());
        // Every control, list and row of the pane has a name for screen readers.
        const QList<QAccessible::Role> named{QAccessible::Button, QAccessible::List, QAccessible::ListItem};
        for (const Readable &readable : readablesIn(currencies))
            QVERIFY(!named.contains(readable.role) || !readable.name.isEmpty());
        window.generalAction()->trigger();
        QVERIFY(finished.wait());
        QCOMPARE(window.size(), general);
        QCOMPARE(window.pos(), corner);
    }
};

QTEST_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
