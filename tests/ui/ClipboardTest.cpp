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
// `text` pasted into the second row by `way` shows as `shown` in `row`; row -1: refused, notice `shown`.
struct Paste { Pasted way; QString text; int row; QString shown; };

}

Q_DECLARE_METATYPE(Paste)

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    // Copy All from a field, Copy from the table: isolated, else a right-to-left reader sees ".12".
    void copyPutsTheAmountsAsShown()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        ConverterWindow converter;
        QVERIFY(converter.show());
        TableDriver &table = converter.table;
        QClipboard *clipboard = QGuiApplication::clipboard();

        table.clickField(1);
        QTest::keyClick(table.field(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = clipboard->text().split(u'\n');
        QCOMPARE(lines.size(), table.table().numberOfRows());   // a line but the source's, each ended
        QCOMPARE(lines[0], u"\u2066" "88.02 EUR\u2069 = \u2066" "100 USD\u2069"_qs);
        QTest::keyClick(table.field(1), Qt::Key_Return);
        table.typeIntoTable(QStringLiteral("12."));
        QTest::keyClick(&table.table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"\u2066" "12.\u2069"_qs);
        QCOMPARE(clipboard->mimeData()->formats(), QStringList(u"text/plain"_qs));
    }

    void pastesReadOneAmountWhereverTheyArePasted_data()
    {
        QTest::addColumn<Paste>("paste");
        const std::pair<Pasted, const char *> ways[] = {
            {Pasted::IntoTable, "table"},
            {Pasted::FieldShortcut, "field"},
            {Pasted::FieldEditMenu, "edit menu"},
            {Pasted::FieldMiddleButton, "middle button"},
        };
        // The reading is the core's: here, that every way hands texts to it, and where amounts go.
        for (const auto &[way, where] : ways) {
            const auto row = [way, where](const char *name, const char *text, int row, const char *shown) {
                QTest::addRow("%s: %s", where, name)
                << Paste{way, QString::fromUtf8(text), row, QString::fromUtf8(shown)};
            };
            row("extra fraction digits round", "1,234.567", 1, "1234.57");
            row("an exponent", "1e9", -1, "“1e9” is not an amount.");
            if (way != Pasted::IntoTable && way != Pasted::FieldShortcut)
                continue;
            row("another shown currency's sign", "$1,234", 0, "1234");
            row("a currency not shown", "12 CHF", -1, "Swiss Franc is not among the currencies shown.");
        }
    }

    void pastesReadOneAmountWhereverTheyArePasted()
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
        QTRY_COMPARE(core.standardDefaults.dictionaryForKey(u"LastInput"_qs),
                     std::optional(QVariantMap({{u"Currency"_qs, controller.currencies()[paste.row]},
                                                {u"Value"_qs, paste.shown.toDouble()}})));
        // Typing goes on from the pasted amount.
        if (intoTable && !paste.shown.contains(u'.')) {
            table.typeIntoTable(QStringLiteral("3"));
            QCOMPARE(table.shown(paste.row), paste.shown + u'3');
        }
    }

    // Each reset zeroes every amount, kept as the last one; so is typing, even right before a quit.
    void everyResetControlSetsEveryAmountToZeroKeptAtQuit()
    {
        ConverterHarness core;
        const auto lastInput = [&core] { return core.standardDefaults.dictionaryForKey(u"LastInput"_qs); };
        {
            FXMainViewController controller(core.services);
            controller.show();
            QVERIFY(QTest::qWaitForWindowActive(&controller));
            TableDriver table(controller);
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
            QTRY_COMPARE(lastInput().value_or(QVariantMap()).value(u"Value"_qs), QVariant(0.0));
            table.selectForTyping(2);
            table.typeIntoTable(QStringLiteral("555"));
        }
        QCOMPARE(lastInput(), QVariantMap({{u"Currency"_qs, u"GBP"_qs}, {u"Value"_qs, 555.0}}));
    }

    void theContextMenuActsOnItsRow_data()
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

    void theContextMenuActsOnItsRow()
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
};

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
