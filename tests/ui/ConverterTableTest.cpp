// The converter's table: its rows and their heights, typing into the table, and which clicks
// select rows.

#include "ConverterHarness.h"
#include "FXHeaderRowView.h"
#include "TableDriver.h"

#include <QScrollBar>
#include <QTest>

class ConverterTableTest : public QObject {
    Q_OBJECT

private slots:
    void heightFollowsTheRows_data();
    void heightFollowsTheRows();
    void typingIntoTheTable_data();
    void typingIntoTheTable();
    void typingWithoutASelectedRowChangesNothingAndArrowsSelect();
    void clicksSelectRowsOnlyThroughFieldsAndTheHeader();
    void rowsAreMadeForWhatIsOnScreen();
};

void ConverterTableTest::heightFollowsTheRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::newRow("the main currency alone") << 1 << 72;
    QTest::newRow("eleven rows") << 11 << 532;
    QTest::newRow("twelve rows scroll in the same height") << 12 << 532;
}

void ConverterTableTest::heightFollowsTheRows()
{
    QFETCH(int, rows);
    QFETCH(int, height);
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    // As cambio-cli in another process changes the visible currencies.
    QStringList visible{QStringLiteral("USD")};
    for (const QString &code : core.currencies.allCurrencies()) {
        if (visible.size() < rows && !visible.contains(code))
            visible.append(code);
    }
    core.groupDefaults.setObject(visible, QStringLiteral("VisibleCurrencies"));
    core.center.postNotification(FXSettingsDidChangeNotification, &core.settings);

    QCOMPARE(controller.currencies(), visible);
    QTRY_COMPARE(controller.ratesTableView()->height(), height);
    QCOMPARE(controller.tableHeightConstant(), height);
    QCOMPARE(controller.ratesTableView()->verticalScrollBar()->maximum() > 0, rows > 11);
}

void ConverterTableTest::typingIntoTheTable_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("keys");   // '<' is the delete key
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("settingsChangeFirst");
    QTest::newRow("the first digit after a selection starts over")
        << QByteArray("en_US") << "5" << "5" << false;
    QTest::newRow("later digits go on") << QByteArray("en_US") << "55" << "55" << false;
    QTest::newRow("separator and fraction") << QByteArray("en_US") << "7.25" << "7.25" << false;
    QTest::newRow("the delete key takes the last character")
        << QByteArray("en_US") << "12<" << "1" << false;
    QTest::newRow("a full stop where the comma separates only starts over")
        << QByteArray("de_DE") << "." << "0" << false;
    QTest::newRow("the comma separates in German") << QByteArray("de_DE") << "4,5" << "4,5" << false;
    // 88.02 takes no third fraction digit.
    QTest::newRow("a change of the settings takes back a pending start-over")
        << QByteArray("en_US") << "5" << "88.02" << true;
}

void ConverterTableTest::typingIntoTheTable()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(bool, settingsChangeFirst);
    ConverterWindow converter({.locale = locale.constData()});
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;

    table.selectForTyping(1);
    QVERIFY(table.table().hasFocus());
    if (settingsChangeFirst)
        core.center.postNotification(FXSettingsDidChangeNotification, &core.settings);
    table.typeIntoTable(keys);

    QCOMPARE(table.shown(1), shown);
    // Every other row shows the same amount converted, as the input manager keeps it.
    for (int row = 0; row < controller.currencies().size(); ++row)
        QCOMPARE(table.shown(row), core.amount(controller.currencies()[row]));
    QCOMPARE(table.shown(0) == QStringLiteral("100"), settingsChangeFirst);
}

void ConverterTableTest::typingWithoutASelectedRowChangesNothingAndArrowsSelect()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    int posted = 0;
    core.center.addObserver(&posted, FXTableViewDidReceiveInput,
                            [&](const FXNotification &) { ++posted; });

    table.table().setFocus();
    table.typeIntoTable(QStringLiteral("5"));

    QCOMPARE(posted, 0);
    QCOMPARE(table.shown(0), QStringLiteral("100"));

    QTest::keyClick(&table.table(), Qt::Key_Down);
    table.typeIntoTable(QStringLiteral("5"));
    QCOMPARE(table.shown(0), QStringLiteral("5"));
    QTest::keyClick(&table.table(), Qt::Key_Down);
    QCOMPARE(table.table().selectedRow(), 1);
    QTest::keyClick(&table.table(), Qt::Key_Up);
    QTest::keyClick(&table.table(), Qt::Key_Up);
    QCOMPARE(table.table().selectedRow(), 0);
    core.center.removeObserver(&posted);
}

void ConverterTableTest::clicksSelectRowsOnlyThroughFieldsAndTheHeader()
{
    ConverterWindow converter;
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;

    table.clickField(2);
    QCOMPARE(table.table().selectedRow(), 2);
    QVERIFY(table.field(2)->hasFocus());
    QCOMPARE(core.currencies.userBaseCurrency(), controller.currencies()[2]);

    table.clickBeside(3);
    QCOMPARE(table.table().selectedRow(), -1);
    QCOMPARE(table.shown(2), core.amount(controller.currencies()[2]));

    table.clickBeside(0);
    QCOMPARE(table.table().selectedRow(), 0);
    QVERIFY(table.table().hasFocus());
}

void ConverterTableTest::rowsAreMadeForWhatIsOnScreen()
{
    QStringList all = ConverterHarness().currencies.allCurrencies();
    all.removeAll(QStringLiteral("USD"));
    ConverterWindow converter({.visible = all});
    QVERIFY(converter.show());
    auto &[core, controller, table] = converter;
    FXTableView &view = table.table();
    QTRY_COMPARE(view.height(), 532);
    const auto made = [&] { return view.viewport()->findChildren<FXRatesRowView *>().size(); };
    // Eleven rows fill the table; as it scrolls, thirteen rows at most reach into it beside
    // the first one, which floats.
    QCOMPARE(made(), 11);

    for (int step = 0; step <= view.verticalScrollBar()->maximum(); step += 17)
        view.verticalScrollBar()->setValue(step);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());

    QVERIFY2(made() <= 14, qPrintable(QString::number(made())));
    const int last = int(controller.currencies().size()) - 1;
    QVERIFY(table.cell(last));
    QCOMPARE(table.cell(last)->currency(), controller.currencies()[last]);
    QCOMPARE(table.shown(last), core.amount(controller.currencies()[last]));
    // The main currency stays on top, over the rows that pass under it.
    auto *header = qobject_cast<FXHeaderRowView *>(view.rowViewAtRow(0));
    QVERIFY(header && header->isVisible() && header->isFloating());
    QCOMPARE(header->y(), 0);

    // Home and End select the first and the last row, which is scrolled to.
    view.setFocus();
    view.verticalScrollBar()->setValue(0);
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.selectedRow(), last);
    QVERIFY(table.cell(last) && table.cell(last)->isVisible());
    QTest::keyClick(&view, Qt::Key_Home);
    QCOMPARE(view.selectedRow(), 0);
}

QTEST_MAIN(ConverterTableTest)
#include "ConverterTableTest.moc"
