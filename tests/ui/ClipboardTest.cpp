// Copy, Copy All, Paste and Reset Amounts, from the shortcuts and from the table's context menu,
// and when they are enabled.

#include "FXStatusLine.h"
#include "MenuDriver.h"
#include "Readables.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QScopeGuard>

#include <functional>

namespace {

// The ways a text reaches the converter as a paste.
enum class Pasted { IntoTable, FieldShortcut, FieldEditMenu, FieldMiddleButton };
// `text` pasted into the second row by `way` shows as `shown` in `row`, or is refused (row -1)
// with a notice that starts with `shown`.
struct Paste { Pasted way; QString text; int row; QString shown; };

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

}

Q_DECLARE_METATYPE(Paste)

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void copyPutsTheAmountsAsShown_data();
    void copyPutsTheAmountsAsShown();
    void pastesReadOneAmountWhereverTheyArePasted_data();
    void pastesReadOneAmountWhereverTheyArePasted();
    void everyResetControlSetsEveryAmountToZeroKeptAtQuit();
    void theContextMenuActsOnItsRow_data();
    void theContextMenuActsOnItsRow();
};

void ClipboardTest::copyPutsTheAmountsAsShown_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("copied");    // the selected row's "12."
    QTest::addColumn<QString>("summary");   // Copy All's first line
    QTest::newRow("left to right") << Qt::LeftToRight << "12." << "88.02 EUR = 100 USD";
    // Else a right-to-left document shows ".12", and codes apart from their amounts.
    QTest::newRow("isolated for a right-to-left reader")
        << Qt::RightToLeft << "\u2066" "12.\u2069" << "\u2066" "88.02 EUR\u2069 = \u2066" "100 USD\u2069";
}

void ClipboardTest::copyPutsTheAmountsAsShown()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, copied);
    QFETCH(QString, summary);
    QGuiApplication::setLayoutDirection(direction);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    ConverterWindow converter;
    QVERIFY(converter.show());
    TableDriver &table = converter.table;
    QClipboard *clipboard = QGuiApplication::clipboard();

    // Copy All from an amount field, Copy from the table.
    table.clickField(1);
    QTest::keyClick(table.field(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = clipboard->text().split(u'\n');
    QCOMPARE(lines.size(), table.table().numberOfRows());   // a line but the source's, each ended
    QCOMPARE(lines[0], summary);
    QTest::keyClick(table.field(1), Qt::Key_Return);
    table.typeIntoTable(QStringLiteral("12."));
    QTest::keyClick(&table.table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), copied);
    QCOMPARE(clipboard->mimeData()->formats(), QStringList(u"text/plain"_qs));
}

void ClipboardTest::pastesReadOneAmountWhereverTheyArePasted_data()
{
    QTest::addColumn<Paste>("paste");
    const std::pair<Pasted, const char *> ways[] = {
        {Pasted::IntoTable, "table"},
        {Pasted::FieldShortcut, "field"},
        {Pasted::FieldEditMenu, "edit menu"},
        {Pasted::FieldMiddleButton, "middle button"},
    };
    // How texts are read is the core's: here, that every way hands them to the one reader, and
    // where the amount goes.
    for (const auto &[way, where] : ways) {
        const auto row = [way, where](const char *name, const char *text, int row, const char *shown) {
            QTest::addRow("%s: %s", where, name)
            << Paste{way, QString::fromUtf8(text), row, QString::fromUtf8(shown)};
        };
        row("extra fraction digits round", "1,234.567", 1, "1234.57");
        row("an exponent", "1e9", -1, "“1e9” is not an amount.");
        if (way != Pasted::IntoTable && way != Pasted::FieldShortcut)
            continue;
        row("another shown currency's sign", "$1,234.56", 0, "1234.56");
        row("another shown currency's code", "12 GBP", 2, "12");
        row("a currency not shown", "12 CHF", -1, "Swiss Franc is not among the currencies shown.");
    }
}

void ClipboardTest::pastesReadOneAmountWhereverTheyArePasted()
{
    QFETCH(Paste, paste);
    if (paste.way == Pasted::FieldMiddleButton && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("This display has no selection to paste; the rows run under X11 too.");
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    const QStringList before = table.shownAmounts();
    const bool intoTable = paste.way == Pasted::IntoTable;
    QWidget *target = intoTable ? static_cast<QWidget *>(&table.table()) : table.field(1);
    table.clickField(1);
    if (intoTable)
        QTest::keyClick(target, Qt::Key_Return);

    QGuiApplication::clipboard()->setText(paste.text);
    switch (paste.way) {
    case Pasted::IntoTable:
    case Pasted::FieldShortcut:
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case Pasted::FieldEditMenu:
        QVERIFY(pickFromMenuOpenedBy(QLineEdit::tr("&Paste"), [target] {
            const QPoint point(5, 5);
            QContextMenuEvent click(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
            QApplication::sendEvent(target, &click);
        }));
        break;
    case Pasted::FieldMiddleButton:
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        QGuiApplication::clipboard()->setText(paste.text, QClipboard::Selection);
        QTest::mouseClick(target, Qt::MiddleButton, {}, QPoint(5, 5));
        break;
    }

    const QString notice = controller.statusTextField()->notice();
    if (paste.row < 0) {
        // Nothing changes, and the status line says why.
        QVERIFY2(notice.startsWith(paste.shown), qPrintable(notice));
        QVERIFY(readableNamed(&controller, notice).role != QAccessible::NoRole);
        QCOMPARE(table.table().selectedRow(), 1);
        QCOMPARE(table.shownAmounts(), before);
        return;
    }
    QCOMPARE(notice, QString());
    QCOMPARE(table.shown(paste.row), paste.shown);
    QCOMPARE(table.table().selectedRow(), paste.row);
    QCOMPARE(table.shownAmounts(), converter.coresAmounts());
    if (!intoTable)
        QVERIFY(table.field(paste.row)->hasFocus());
    // The pasted amount is there again at the next start.
    const auto saved = [&core] {
        return core.standardDefaults.dictionaryForKey(u"LastInput"_qs).value_or(QVariantMap());
    };
    QTRY_COMPARE(saved()[u"Currency"_qs], QVariant(controller.currencies()[paste.row]));
    // Typing goes on from the pasted amount.
    if (intoTable && !paste.shown.contains(u'.')) {
        table.typeIntoTable(QStringLiteral("3"));
        QCOMPARE(table.shown(paste.row), paste.shown + u'3');
    }
}

void ClipboardTest::everyResetControlSetsEveryAmountToZeroKeptAtQuit()
{
    ConverterHarness core;
    const auto lastInput = [&core] { return core.standardDefaults.dictionaryForKey(u"LastInput"_qs); };
    // What is typed into the table is there again at the next start.
    QVERIFY(runSession(core, [](FXMainViewController &, TableDriver &table) {
        table.selectForTyping(2);
        table.typeIntoTable(QStringLiteral("555"));
    }));
    QCOMPARE(lastInput(), QVariantMap({{u"Currency"_qs, u"GBP"_qs}, {u"Value"_qs, 555.0}}));

    QVERIFY(runSession(core, [](FXMainViewController &controller, TableDriver &table) {
        QCOMPARE(table.shown(2), QStringLiteral("555"));
        const std::function<void()> resets[] = {
            [&table] { QVERIFY(pickFromContextMenu(table, 3, QStringLiteral("Reset Amounts"))); },
            [&controller] {
                QAbstractButton *button = childReading<QAbstractButton>(&controller, u"Reset Amounts"_qs);
                QTest::mouseClick(button, Qt::LeftButton);
            },
            [&table] { QTest::keyClick(&table.table(), Qt::Key_Delete); },
        };
        for (const auto &reset : resets) {
            table.selectForTyping(2);
            table.typeIntoTable(QStringLiteral("5"));
            reset();
            QCOMPARE(table.shownAmounts(), QStringList(controller.currencies().size(), u"0"_qs));
        }
    }));
    QCOMPARE(lastInput()->value(u"Value"_qs), QVariant(0.0));
}

void ClipboardTest::theContextMenuActsOnItsRow_data()
{
    QTest::addColumn<bool>("keyboard");    // else the mouse, on another row than the selected one
    QTest::addColumn<bool>("fromField");   // else from the table
    QTest::addColumn<bool>("menuKey");     // else Shift+F10
    QTest::newRow("the mouse, on a row not selected") << false << false << false;
    QTest::newRow("Shift+F10 in the table") << true << false << false;
    QTest::newRow("the Menu key in the table") << true << false << true;
    QTest::newRow("Shift+F10 in an amount field") << true << true << false;
    QTest::newRow("the Menu key in an amount field") << true << true << true;
}

void ClipboardTest::theContextMenuActsOnItsRow()
{
    QFETCH(bool, keyboard);
    QFETCH(bool, fromField);
    QFETCH(bool, menuKey);
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    table.clickField(1);
    if (!fromField)
        QTest::keyClick(table.field(1), Qt::Key_Return);
    QWidget *focus = QApplication::focusWidget();
    // From the keyboard, the menu of the selected row.
    const int row = keyboard ? 1 : 3;
    const auto pick = [&](const QString &title) {
        if (!keyboard)
            return pickFromContextMenu(table, row, title);
        return pickFromMenuOpenedBy(title, [focus, menuKey] {
            if (!menuKey) {
                QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
                return;
            }
            // What the display server makes of the Menu key, sent to the widget with the keyboard.
            QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(focus, &fromKeyboard);
        });
    };

    // Copy leaves the selection alone.
    QGuiApplication::clipboard()->clear();
    pick(u"Copy"_qs);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), table.shown(row));
    QCOMPARE(table.table().selectedRow(), 1);

    // Paste is offered only for an amount, in the menu as among the commands.
    QGuiApplication::clipboard()->setText(u"7 apples"_qs);
    QTRY_VERIFY(!controller.editActions().at(2)->isEnabled());   // Copy, Copy All, Paste, Reset
    QVERIFY(!pick(u"Paste"_qs));
    QCOMPARE(table.table().selectedRow(), 1);

    // Paste selects the row and makes it the source.
    QGuiApplication::clipboard()->setText(u"7"_qs);
    QVERIFY(pick(u"Paste"_qs));
    QTRY_COMPARE(table.shown(row), u"7"_qs);
    QCOMPARE(table.table().selectedRow(), row);
    QCOMPARE(table.shown(0), core.amount(u"USD"_qs));
}

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
