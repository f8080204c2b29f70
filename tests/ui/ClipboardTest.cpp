// Copy, Copy All, Paste and Reset Amounts, from the shortcuts and from the table's context menu,
// and when they are enabled.

#include "ConverterHarness.h"
#include "TableDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace {

// Picks the item titled `title` from the context menu that `open` opens.
template <typename Open>
void pickFromMenuOpenedBy(const QString &title, Open open)
{
    QTimer::singleShot(0, [title] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text() == title) {
                menu->close();
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(title));
    });
    open();
}

// Opens the table's context menu on `row` with the mouse and picks the item titled `title`.
void pickFromContextMenu(TableDriver &table, int row, const QString &title)
{
    pickFromMenuOpenedBy(title, [&table, row] {
        QWidget *field = table.field(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
    });
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

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void copyPutsTheRowsAmountAsShown_data();
    void copyPutsTheRowsAmountAsShown();
    void copyAllPutsOneLinePerRow();
    void pasteReadsTheAmountAndTypingGoesOn();
    void contextMenuActsOnTheRowUnderIt();
    void theKeyboardOpensTheSelectedRowsMenu_data();
    void theKeyboardOpensTheSelectedRowsMenu();
    void commandsAreEnabledAsTheSelectionAndClipboardAllow_data();
    void commandsAreEnabledAsTheSelectionAndClipboardAllow();
};

void ClipboardTest::copyPutsTheRowsAmountAsShown_data()
{
    QTest::addColumn<QString>("keys");   // '<' is the delete key
    QTest::addColumn<QString>("copied");
    QTest::newRow("a trailing separator is copied too") << "12." << "12.";
    QTest::newRow("an emptied amount as zero") << "1<" << "0";
}

void ClipboardTest::copyPutsTheRowsAmountAsShown()
{
    QFETCH(QString, keys);
    QFETCH(QString, copied);
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
}

void ClipboardTest::pasteReadsTheAmountAndTypingGoesOn()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    table.selectForTyping(1);

    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.567"));
    QTest::keyClick(&table.table(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(table.shown(1), QStringLiteral("1234.57"));
    QCOMPARE(table.shown(0), core.amount(QStringLiteral("USD")));

    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(&table.table(), Qt::Key_V, Qt::ControlModifier);
    table.typeIntoTable(QStringLiteral("3"));
    QCOMPARE(table.shown(1), QStringLiteral("123"));

    // The delete key resets every amount.
    QTest::keyClick(&table.table(), Qt::Key_Delete);
    for (int row = 0; row < controller.currencies().size(); ++row)
        QCOMPARE(table.shown(row), QStringLiteral("0"));
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

    // Paste on a row that is not selected selects it and makes it the source.
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    pickFromContextMenu(table, 2, QStringLiteral("Paste"));
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
    QTest::newRow("a grouped number") << 1 << "1,234.5" << true << true;
    QTest::newRow("a currency beside the number") << 1 << "12 USD" << true << false;
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
