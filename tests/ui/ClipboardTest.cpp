// Copy, Copy All, Paste and Reset Amounts, from the shortcuts and from the table's context menu,
// and when they are enabled.

#include "ConverterHarness.h"
#include "FXStatusLine.h"
#include "MenuDriver.h"
#include "Readables.h"
#include "TableDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <utility>

namespace {

// The ways a text reaches the converter as a paste.
enum class Pasted { IntoTable, FieldShortcut, FieldEditMenu, FieldMiddleButton };

// Opens a converter over `core`, lets `act` work in it and closes it, as a start and a quit do.
template <typename Act>
bool runSession(ConverterHarness &core, Act act)
{
    FXMainViewController controller(core.services);
    controller.show();
    if (!QTest::qWaitForWindowActive(&controller))
        return false;
    TableDriver table(controller);
    act(controller, table);
    return !QTest::currentTestFailed();
}

QAction *actionTitled(const FXMainViewController &controller, const QString &title)
{
    for (QAction *action : controller.editActions()) {
        if (action->text() == title)
            return action;
    }
    return nullptr;
}

}

Q_DECLARE_METATYPE(Pasted)

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void copyPutsTheRowsAmountAsShown_data();
    void copyPutsTheRowsAmountAsShown();
    void copyAllPutsOneLinePerRow();
    void pastesReadOneAmountWhereverTheyArePasted_data();
    void pastesReadOneAmountWhereverTheyArePasted();
    void everyResetControlSetsEveryAmountToZeroKeptAtQuit_data();
    void everyResetControlSetsEveryAmountToZeroKeptAtQuit();
    void contextMenuActsOnTheRowUnderIt();
    void theKeyboardOpensTheSelectedRowsMenu_data();
    void theKeyboardOpensTheSelectedRowsMenu();
    void commandsAreEnabledAsTheSelectionAndClipboardAllow_data();
    void commandsAreEnabledAsTheSelectionAndClipboardAllow();
};

void ClipboardTest::copyPutsTheRowsAmountAsShown_data()
{
    QTest::addColumn<QString>("keys");   // '<' is the delete key
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("copied");
    QTest::newRow("a trailing separator is copied too") << "12." << Qt::LeftToRight << "12.";
    QTest::newRow("an emptied amount as zero") << "1<" << Qt::LeftToRight << "0";
    // Else a right-to-left document shows ".12".
    QTest::newRow("isolated for a right-to-left reader")
        << "12." << Qt::RightToLeft << "\u2066" "12.\u2069";
}

void ClipboardTest::copyPutsTheRowsAmountAsShown()
{
    QFETCH(QString, keys);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, copied);
    QGuiApplication::setLayoutDirection(direction);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    QGuiApplication::clipboard()->setMimeData(new QMimeData);

    table.selectForTyping(2);
    table.typeIntoTable(keys);
    QTest::keyClick(&table.table(), Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList(u"text/plain"_qs));
}

void ClipboardTest::copyAllPutsOneLinePerRow()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;

    table.clickField(1);
    QTest::keyClick(table.field(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), controller.currencies().size());   // a line but the source's, each ended
    QCOMPARE(lines[0], QStringLiteral("88.02 EUR = 100 USD"));
    QCOMPARE(lines[1], QStringLiteral("88.02 EUR = ") + table.shown(2) + QStringLiteral(" GBP"));

    // For a right-to-left reader each amount keeps its code beside it.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    QTest::keyClick(table.field(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().section(u'\n', 0, 0),
             QStringLiteral("\u2066" "88.02 EUR\u2069 = \u2066" "100 USD\u2069"));
}

void ClipboardTest::pastesReadOneAmountWhereverTheyArePasted_data()
{
    QTest::addColumn<Pasted>("way");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("row");          // where the amount goes; -1: refused
    QTest::addColumn<QString>("shown");    // that row's amount, or the start of the refusal
    const std::pair<Pasted, const char *> ways[] = {
        {Pasted::IntoTable, "table"},
        {Pasted::FieldShortcut, "field"},
        {Pasted::FieldEditMenu, "edit menu"},
        {Pasted::FieldMiddleButton, "middle button"},
    };
    for (const auto &[way, where] : ways) {
        // The field's edit menu and the middle button only hand their text to the same reader.
        const bool everyText = way == Pasted::IntoTable || way == Pasted::FieldShortcut;
        const auto row = [way, where](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", where, name) << way;
        };
        row("extra fraction digits round") << "1,234.567" << 1 << "1234.57";
        row("another shown currency's sign") << "$1,234.56" << 0 << "1234.56";
        row("an exponent") << "1e9" << -1 << "“1e9” is not an amount.";
        if (!everyText)
            continue;
        row("a sign of the row") << "€12.50" << 1 << "12.5";
        row("copied for a right-to-left reader") << "\u2066" "12.50\u2069" << 1 << "12.5";
        row("another shown currency's code") << "12 GBP" << 2 << "12";
        row("a currency not shown") << "12 CHF" << -1
                                    << "Swiss Franc is not among the currencies shown.";
        row("hexadecimal") << "0x1F" << -1 << "“0x1F” is not an amount.";
        row("two lines") << "12\n34" << -1 << "Only one amount";
        row("more digits than typing allows") << QString(400, u'9') << -1
                                              << "Amounts have at most 12 digits";
    }
}

void ClipboardTest::pastesReadOneAmountWhereverTheyArePasted()
{
    QFETCH(Pasted, way);
    QFETCH(QString, clipboard);
    QFETCH(int, row);
    QFETCH(QString, shown);
    if (way == Pasted::FieldMiddleButton && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("This display has no selection to paste; the rows run under X11 too.");
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    QStringList before;
    for (int other = 0; other < controller.currencies().size(); ++other)
        before.append(table.shown(other));
    QWidget *target = &table.table();
    if (way == Pasted::IntoTable) {
        table.selectForTyping(1);
    } else {
        table.clickField(1);
        target = table.field(1);
    }

    switch (way) {
    case Pasted::IntoTable:
    case Pasted::FieldShortcut:
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case Pasted::FieldEditMenu:
        QGuiApplication::clipboard()->setText(clipboard);
        QVERIFY(pickFromMenuOpenedBy(QLineEdit::tr("&Paste"), [target] {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &click);
        }));
        break;
    case Pasted::FieldMiddleButton:
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        QGuiApplication::clipboard()->setText(clipboard, QClipboard::Selection);
        QTest::mouseClick(target, Qt::MiddleButton, {}, QPoint(5, 5));
        break;
    }

    FXStatusLine *status = controller.statusTextField();
    if (row < 0) {
        // Nothing changes, and the status line says why.
        QVERIFY2(status->notice().startsWith(shown), qPrintable(status->notice()));
        QVERIFY(readableNamed(&controller, status->notice()));
        QCOMPARE(table.table().selectedRow(), 1);
        for (int other = 0; other < controller.currencies().size(); ++other)
            QCOMPARE(table.shown(other), before[other]);
        return;
    }
    QCOMPARE(status->notice(), QString());
    QCOMPARE(table.shown(row), shown);
    QCOMPARE(table.table().selectedRow(), row);
    const QString currency = controller.currencies()[row];
    QCOMPARE(core.currencies.userBaseCurrency(), currency);
    for (int other = 0; other < controller.currencies().size(); ++other)
        QCOMPARE(table.shown(other), core.amount(controller.currencies()[other]));
    if (way != Pasted::IntoTable)
        QVERIFY(table.field(row)->hasFocus());
    // The pasted amount is there again at the next start.
    QTRY_COMPARE(core.standardDefaults.dictionaryForKey(QStringLiteral("LastInput"))
                     .value_or(QVariantMap())
                     .value(QStringLiteral("Currency")),
                 QVariant(currency));

    // Typing goes on from the pasted amount.
    if (way == Pasted::IntoTable && !shown.contains(u'.')) {
        table.typeIntoTable(QStringLiteral("3"));
        QCOMPARE(table.shown(row), shown + u'3');
    }
}

void ClipboardTest::everyResetControlSetsEveryAmountToZeroKeptAtQuit_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("the Delete key") << "key";
    QTest::newRow("the reset button") << "button";
    QTest::newRow("the context menu of a row not selected") << "menu";
}

void ClipboardTest::everyResetControlSetsEveryAmountToZeroKeptAtQuit()
{
    QFETCH(QString, control);
    ConverterHarness core;
    const auto lastInput = [&core] {
        return core.standardDefaults.dictionaryForKey(u"LastInput"_qs).value_or(QVariantMap());
    };
    // What is typed into the table is there again at the next start.
    QVERIFY(runSession(core, [](FXMainViewController &, TableDriver &table) {
        table.selectForTyping(2);
        table.typeIntoTable(QStringLiteral("555"));
    }));
    QCOMPARE(lastInput(), QVariantMap({{u"Currency"_qs, u"GBP"_qs}, {u"Value"_qs, 555.0}}));

    QVERIFY(runSession(core, [&control](FXMainViewController &controller, TableDriver &table) {
        QCOMPARE(table.shown(2), QStringLiteral("555"));
        table.selectForTyping(2);
        if (control == u"key") {
            QTest::keyClick(&table.table(), Qt::Key_Delete);
        } else if (control == u"button") {
            QAbstractButton *reset = childReading<QAbstractButton>(&controller, u"Reset Amounts"_qs);
            QVERIFY(reset);
            QTest::mouseClick(reset, Qt::LeftButton);
        } else {
            QVERIFY(pickFromContextMenu(table, 3, QStringLiteral("Reset Amounts")));
        }
        for (int row = 0; row < controller.currencies().size(); ++row)
            QCOMPARE(table.shown(row), QStringLiteral("0"));
    }));
    QCOMPARE(lastInput().value(u"Value"_qs), QVariant(0.0));
}

void ClipboardTest::contextMenuActsOnTheRowUnderIt()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    table.selectForTyping(1);

    // Copy on a row that is not selected copies that row and leaves the selection alone.
    pickFromContextMenu(table, 3, QStringLiteral("Copy"));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), table.shown(3));
    QCOMPARE(table.table().selectedRow(), 1);

    // Paste is offered only for an amount.
    QGuiApplication::clipboard()->setText(QStringLiteral("7 apples"));
    QVERIFY(!pickFromContextMenu(table, 2, QStringLiteral("Paste")));
    QCOMPARE(table.table().selectedRow(), 1);

    // Paste on a row that is not selected selects it and makes it the source.
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    QVERIFY(pickFromContextMenu(table, 2, QStringLiteral("Paste")));
    QTRY_COMPARE(table.shown(2), QStringLiteral("7"));
    QCOMPARE(table.table().selectedRow(), 2);
    QCOMPARE(core.currencies.userBaseCurrency(), QStringLiteral("GBP"));
    QCOMPARE(table.shown(1), core.amount(QStringLiteral("EUR")));
}

void ClipboardTest::theKeyboardOpensTheSelectedRowsMenu_data()
{
    QTest::addColumn<bool>("fromField");
    QTest::addColumn<bool>("menuKey");   // else Shift+F10
    QTest::newRow("Shift+F10 in the table") << false << false;
    QTest::newRow("the Menu key in the table") << false << true;
    QTest::newRow("Shift+F10 in an amount field") << true << false;
    QTest::newRow("the Menu key in an amount field") << true << true;
}

void ClipboardTest::theKeyboardOpensTheSelectedRowsMenu()
{
    QFETCH(bool, fromField);
    QFETCH(bool, menuKey);
    ConverterWindow converter;
    QVERIFY(converter.show());
    TableDriver &table = converter.table;
    table.clickField(2);
    if (!fromField)
        QTest::keyClick(table.field(2), Qt::Key_Return);
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus == table.field(2), fromField);
    QGuiApplication::clipboard()->clear();

    pickFromMenuOpenedBy(QStringLiteral("Copy"), [focus, menuKey] {
        if (!menuKey) {
            QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
            return;
        }
        // What the display server makes of the Menu key, sent to the widget with the keyboard.
        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(focus, &fromKeyboard);
    });
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), table.shown(2));
}

void ClipboardTest::commandsAreEnabledAsTheSelectionAndClipboardAllow_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("copyAndReset");
    QTest::addColumn<bool>("paste");
    QTest::newRow("no row selected") << -1 << "12" << false << false;
    QTest::newRow("a row and a number") << 1 << "12" << true << true;
    QTest::newRow("the main currency's row") << 0 << "12" << true << true;
    QTest::newRow("a grouped number") << 1 << "1,234.5" << true << true;
    QTest::newRow("a shown currency beside the number") << 1 << "12 USD" << true << true;
    QTest::newRow("a currency not shown") << 1 << "12 CHF" << true << false;
    QTest::newRow("letters") << 1 << "twelve" << true << false;
    QTest::newRow("no text") << 1 << QString() << true << false;
}

void ClipboardTest::commandsAreEnabledAsTheSelectionAndClipboardAllow()
{
    QFETCH(int, selected);
    QFETCH(QString, clipboard);
    QFETCH(bool, copyAndReset);
    QFETCH(bool, paste);
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;

    if (selected >= 0)
        table.selectForTyping(selected);
    if (clipboard.isNull())
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
    else
        QGuiApplication::clipboard()->setText(clipboard);

    QTRY_COMPARE(actionTitled(controller, QStringLiteral("Paste"))->isEnabled(), paste);
    QCOMPARE(actionTitled(controller, QStringLiteral("Copy"))->isEnabled(), copyAndReset);
    QCOMPARE(actionTitled(controller, QStringLiteral("Reset Amounts"))->isEnabled(), copyAndReset);
    QVERIFY(actionTitled(controller, QStringLiteral("Copy All"))->isEnabled());
}

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
