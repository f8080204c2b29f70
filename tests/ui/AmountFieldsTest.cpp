// Typing into the rows' amount fields, and moving between them from the keyboard.

#include "ConverterHarness.h"
#include "TableDriver.h"

#include <QApplication>
#include <QTest>

class AmountFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void everyOtherRowFollowsEachKeystrokeAndAnEmptiedFieldIsZero();
    void newRatesLeaveTheFieldBeingTypedIntoAlone();
    void editsKeepOnlyAnAmount_data();
    void editsKeepOnlyAnAmount();
    void aFieldBeingEditedShowsTheLocalesDigits_data();
    void aFieldBeingEditedShowsTheLocalesDigits();
    void movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd_data();
    void movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd();
};

void AmountFieldsTest::everyOtherRowFollowsEachKeystrokeAndAnEmptiedFieldIsZero()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    FXTableTextField *euros = table.field(1);

    table.clickField(1);
    QTest::keyClick(euros, Qt::Key_A, Qt::ControlModifier);
    QStringList dollars;
    for (const QChar key : QStringLiteral("12.5")) {
        QTest::keyClicks(euros, key);
        dollars.append(table.shown(0));
        QCOMPARE(table.shown(2), core.amount(QStringLiteral("GBP")));
    }
    // The field keeps its text and caret; the separator just typed stays visible.
    QTest::keyClick(euros, Qt::Key_Left);
    QTest::keyClicks(euros, QStringLiteral("0"));
    QCOMPARE(euros->text(), QStringLiteral("12.05"));
    QCOMPARE(euros->cursorPosition(), 4);
    QCOMPARE(dollars[0], core.numberFormatter.formattedStringForInput(
                             core.currencies.convertedAmount(1, QStringLiteral("EUR"), QStringLiteral("USD"))));
    QCOMPARE(dollars[1], dollars[2]);   // "12" and "12." are the same amount
    QVERIFY(dollars[1] != dollars[3]);
    QCOMPARE(table.shown(0), core.amount(QStringLiteral("USD")));
    // The amount typed is there again at the next start.
    QTRY_COMPARE(core.standardDefaults.dictionaryForKey(QStringLiteral("LastInput")),
                 std::optional(QVariantMap({{QStringLiteral("Currency"), QStringLiteral("EUR")},
                                            {QStringLiteral("Value"), 12.05}})));

    // An emptied field is zero, and shows it once left; a field that shows zero is empty as soon
    // as it takes the keyboard.
    QTest::keyClick(euros, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(euros, Qt::Key_Backspace);
    QCOMPARE(euros->text(), QString());
    QCOMPARE(table.shown(0), QStringLiteral("0"));
    table.clickBeside(0);
    QCOMPARE(euros->text(), QStringLiteral("0"));
    table.clickField(1);
    QCOMPARE(euros->text(), QString());
}

void AmountFieldsTest::newRatesLeaveTheFieldBeingTypedIntoAlone()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    table.clickField(1);
    QTest::keyClick(table.field(1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(table.field(1), QStringLiteral("12."));
    // As if the old rates had given 7.
    core.inputs.setInput(7, QStringLiteral("USD"));
    table.table().reloadCells(1);
    QCOMPARE(table.shown(0), QStringLiteral("7"));

    core.center.postNotification(FXRatesDidUpdateNotification, &core.currencies,
                                 {{FXRatesUpdateSucceededKey, true}});

    QCOMPARE(table.field(1)->text(), QStringLiteral("12."));
    QCOMPARE(table.field(1)->cursorPosition(), 3);
    QCOMPARE(table.shown(0), core.numberFormatter.formattedStringForInput(core.currencies.convertedAmount(
                                 12, QStringLiteral("EUR"), QStringLiteral("USD"))));
}

void AmountFieldsTest::editsKeepOnlyAnAmount_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("keys");   // typed at the end: '<' is the delete key, '*' selects all
    QTest::addColumn<QString>("text");
    QTest::newRow("letters and a third fraction digit dropped") << 2 << "*1a2.345" << "12.34";
    // 0.0012 BTC: typing adds no fraction digit beyond those the amount had.
    QTest::newRow("a written small amount keeps its digits") << 4 << "<5" << "0.001";
}

void AmountFieldsTest::editsKeepOnlyAnAmount()
{
    QFETCH(int, row);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    FXTableTextField *field = table.field(row);

    table.clickField(row);
    QTest::keyClick(field, Qt::Key_End);
    for (const QChar key : keys) {
        if (key == u'<')
            QTest::keyClick(field, Qt::Key_Backspace);
        else if (key == u'*')
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        else
            QTest::keyClicks(field, key);
    }

    QCOMPARE(field->text(), text);
    QCOMPARE(core.amount(controller.currencies()[row]), text);
}

void AmountFieldsTest::aFieldBeingEditedShowsTheLocalesDigits_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("shown");   // after typing 12.5, then 3 before the separator
    QTest::newRow("Arabic") << QByteArray("ar_EG") << "١٢٣٫٥";
    QTest::newRow("Persian") << QByteArray("fa_IR") << "۱۲۳٫۵";
    QTest::newRow("English keeps 0 to 9") << QByteArray("en_US") << "123.5";
}

void AmountFieldsTest::aFieldBeingEditedShowsTheLocalesDigits()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, shown);
    ConverterWindow converter({.locale = locale.constData()});
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    FXTableTextField *field = table.field(1);
    table.clickField(1);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);

    QTest::keyClicks(field, QStringLiteral("12.5"));
    QCOMPARE(field->cursorPosition(), 4);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClicks(field, QStringLiteral("3"));

    QCOMPARE(field->text(), shown);
    QCOMPARE(field->cursorPosition(), 3);
    // The amount is the one typed: every other row shows it converted.
    QCOMPARE(core.inputs.inputForCurrency(QStringLiteral("EUR")).doubleValue(), 123.5);
    QCOMPARE(table.shown(0), core.amount(QStringLiteral("USD")));
}

void AmountFieldsTest::movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("caretFromEnd");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");   // -1: the keyboard leaves the table; Escape: the row selected
    QTest::addColumn<int>("caretFromEndAfter");
    QTest::newRow("down") << 1 << 2 << int(Qt::Key_Down) << 2 << 2;
    QTest::newRow("up into the main currency") << 1 << 0 << int(Qt::Key_Up) << 0 << 0;
    QTest::newRow("tab") << 1 << 3 << int(Qt::Key_Tab) << 2 << 3;
    QTest::newRow("backtab into the main currency") << 1 << 1 << int(Qt::Key_Backtab) << 0 << 1;
    QTest::newRow("up in the main currency stays there") << 0 << 1 << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("further than a shorter text goes to its start")
        << 3 << 8 << int(Qt::Key_Down) << 4 << 8;
    QTest::newRow("tab at the last row leaves the table") << 4 << 0 << int(Qt::Key_Tab) << -1 << 0;
    QTest::newRow("escape hands the keyboard to the table") << 2 << 0 << int(Qt::Key_Escape) << 2 << 0;
}

void AmountFieldsTest::movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd()
{
    QFETCH(int, from);
    QFETCH(int, caretFromEnd);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(int, caretFromEndAfter);
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;

    table.clickField(from);
    FXTableTextField *field = table.field(from);
    field->setCursorPosition(int(field->text().size()) - caretFromEnd);
    QTest::keyClick(field, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);

    if (key == Qt::Key_Escape) {
        QVERIFY(table.table().hasFocus());
        QCOMPARE(table.table().selectedRow(), to);
        return;
    }
    if (to < 0) {
        QVERIFY(!table.table().isAncestorOf(QApplication::focusWidget()));
        QVERIFY(QApplication::focusWidget());
        return;
    }
    FXTableTextField *target = table.field(to);
    QVERIFY(target->hasFocus());
    QCOMPARE(table.table().selectedRow(), to);
    QCOMPARE(target->cursorPosition(), qMax(0, int(target->text().size()) - caretFromEndAfter));
    QVERIFY(!target->hasSelectedText());
}

QTEST_MAIN(AmountFieldsTest)
#include "AmountFieldsTest.moc"
