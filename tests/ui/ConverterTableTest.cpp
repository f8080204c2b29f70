// The converter's table and its rows' amount fields: typing into either, moving between rows from
// the keyboard, which clicks select rows, every integer digit painted, and the header floating over
// a long table.

#include "FXHeaderRowView.h"
#include "Readables.h"
#include "TableDriver.h"

#include <QAction>
#include <QClipboard>
#include <QScrollBar>

#include <algorithm>

namespace {

// Keys typed into the table with its second row selected ('<' is the delete key, '!' a change of
// the settings), then `held`, a key with Ctrl, Alt or Shift held, giving `text`.
struct Typing { const char *locale; QString keys; QString shown; QKeyCombination held; QString text; };
// Keys typed at the end of a row's field: '<' deletes, '*' selects all, '-' is Left.
struct FieldTyping { const char *locale; int row; const char *keys, *text; int caret; double amount; };
// The caret's distance from the end of the text, before and after `key`; Escape: the row selected.
struct Move { int from; int caretFromEnd; Qt::Key key; int to; int caretFromEndAfter; };
// `amount` in `row`, with `main` the main currency, at `scale`, in a converter `width` wide.
struct Amount { const char *locale; const char *main; int row; double amount; qreal scale; int width; };

}

Q_DECLARE_METATYPE(Typing)
Q_DECLARE_METATYPE(FieldTyping)
Q_DECLARE_METATYPE(Move)
Q_DECLARE_METATYPE(Amount)

class ConverterTableTest : public QObject {
    Q_OBJECT

private slots:
    void typingIntoTheTable_data()
    {
        QTest::addColumn<Typing>("typing");
        const auto typed = [](const char *name, const char *locale, const char *keys, const char *shown) {
            QTest::newRow(name) << Typing{locale, QString::fromUtf8(keys), QString::fromUtf8(shown), {}, {}};
        };
        typed("the first digit after a selection starts over, the next go on", "en_US", "55", "55");
        typed("separator, fraction and the delete key", "en_US", "7.255<", "7.2");
        typed("the comma separates in German", "de_DE", "4,5", "4,5");
        // 88.02 takes no third fraction digit.
        typed("a change of the settings takes back a pending start-over", "en_US", "!5", "88.02");
        // Never typed when Ctrl or Alt is held.
        const auto held = [](const char *name, QKeyCombination key, const char *text, const char *shown) {
            QTest::newRow(name) << Typing{"en_US", u"123"_qs, QString::fromLatin1(shown), key,
                                          QString::fromLatin1(text)};
        };
        held("Ctrl+8 gives the delete character", Qt::CTRL | Qt::Key_8, "\x7f", "123");
        held("Alt+5", Qt::ALT | Qt::Key_5, "5", "123");
        held("Ctrl+Backspace", Qt::CTRL | Qt::Key_Backspace, "\b", "123");
        held("Shift+5 gives a percent sign", Qt::SHIFT | Qt::Key_Percent, "%", "123");
        held("a French keyboard's Shift+& gives 1", Qt::SHIFT | Qt::Key_1, "1", "1231");
    }

    void typingIntoTheTable()
    {
        QFETCH(Typing, typing);
        ConverterWindow converter({.locale = typing.locale});
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;

        table.selectForTyping(1);
        QVERIFY(table.table().hasFocus());
        if (typing.keys.startsWith(u'!'))
            core.center.postNotification(FXSettingsDidChangeNotification, &core.settings);
        table.typeIntoTable(typing.keys.remove(u'!'));
        if (typing.held != QKeyCombination())
            QTest::sendKeyEvent(QTest::Click, &table.table(), typing.held.key(), typing.text,
                                typing.held.keyboardModifiers());

        QCOMPARE(table.shown(1), typing.shown);
        // Every other row shows the same amount converted, as the input manager keeps it.
        QCOMPARE(table.shownAmounts(), converter.coresAmounts());
    }

    void whatIsTypedIntoAFieldIsTheAmountAndStaysAsTyped_data()
    {
        QTest::addColumn<FieldTyping>("typing");
        QTest::newRow("digits, the caret where it was put")
            << FieldTyping{"en_US", 1, "*12.5--3", "123.5", 3, 123.5};
        // Typed Latin digits are shown as the locale's own, one for one, so the caret stays.
        QTest::newRow("Persian digits") << FieldTyping{"fa_IR", 1, "*12.5--3", "۱۲۳٫۵", 3, 123.5};
        QTest::newRow("a trailing separator stays") << FieldTyping{"en_US", 1, "*12.", "12.", 3, 12.0};
        QTest::newRow("letters and a third fraction digit dropped")
            << FieldTyping{"en_US", 2, "*1a2.345", "12.34", 5, 12.34};
        // 0.0012 BTC: typing adds no fraction digit beyond those the amount had.
        QTest::newRow("a written small amount keeps its digits")
            << FieldTyping{"en_US", 4, "<5", "0.001", 5, 0.001};
        QTest::newRow("an emptied field is zero") << FieldTyping{"en_US", 1, "*<", "", 0, 0.0};
    }

    void whatIsTypedIntoAFieldIsTheAmountAndStaysAsTyped()
    {
        QFETCH(FieldTyping, typing);
        ConverterWindow converter({.locale = typing.locale});
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;
        FXTableTextField *field = table.field(typing.row);
        const QString currency = controller.currencies()[typing.row];

        table.clickField(typing.row);
        QTest::keyClick(field, Qt::Key_End);
        for (const QChar key : QString::fromUtf8(typing.keys)) {
            if (key == u'<' || key == u'-')
                QTest::keyClick(field, key == u'<' ? Qt::Key_Backspace : Qt::Key_Left);
            else if (key == u'*')
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            else
                QTest::keyClicks(field, key);
        }

        // New rates convert the other rows again (as if the old had given $7), not the edited field.
        core.inputs.setInput(7, u"USD"_qs);
        table.table().reloadCells(typing.row);
        const QString seven = table.shown(0);
        core.center.postNotification(FXRatesDidUpdateNotification, &core.currencies,
                                     {{FXRatesUpdateSucceededKey, true}});
        QVERIFY(table.shown(0) != seven);

        QStringList shown = converter.coresAmounts();
        shown[typing.row] = QString::fromUtf8(typing.text);
        QCOMPARE(table.shownAmounts(), shown);
        QCOMPARE(field->cursorPosition(), typing.caret);
        // The amount typed is there again at the next start.
        QTRY_COMPARE(core.standardDefaults.dictionaryForKey(u"LastInput"_qs),
                     std::optional(QVariantMap({{u"Currency"_qs, currency}, {u"Value"_qs, typing.amount}})));
        if (*typing.text)
            return;
        // An emptied field shows zero once left, and is empty again as it takes the keyboard.
        table.clickBeside(0);
        QCOMPARE(field->text(), u"0"_qs);
        table.clickField(typing.row);
        QCOMPARE(field->text(), QString());
    }

    void movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd_data()
    {
        QTest::addColumn<Move>("move");
        QTest::newRow("down") << Move{1, 2, Qt::Key_Down, 2, 2};
        QTest::newRow("up into the main currency") << Move{1, 0, Qt::Key_Up, 0, 0};
        QTest::newRow("tab") << Move{1, 3, Qt::Key_Tab, 2, 3};
        QTest::newRow("backtab into the main currency") << Move{1, 1, Qt::Key_Backtab, 0, 1};
        QTest::newRow("up in the main currency stays there") << Move{0, 1, Qt::Key_Up, 0, 1};
        QTest::newRow("further than a shorter text goes to its start") << Move{3, 8, Qt::Key_Down, 4, 8};
        QTest::newRow("escape hands the keyboard to the table") << Move{2, 0, Qt::Key_Escape, 2, 0};
    }

    void movingBetweenRowsKeepsTheCaretsDistanceFromTheEnd()
    {
        QFETCH(Move, move);
        ConverterWindow converter;
        QVERIFY(converter.show());
        TableDriver &table = converter.table;

        table.clickField(move.from);
        FXTableTextField *field = table.field(move.from);
        field->setCursorPosition(int(field->text().size()) - move.caretFromEnd);
        QTest::keyClick(field, move.key, move.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);

        QCOMPARE(table.table().selectedRow(), move.to);
        if (move.key == Qt::Key_Escape) {
            QVERIFY(table.table().hasFocus());
            return;
        }
        FXTableTextField *target = table.field(move.to);
        QVERIFY(target->hasFocus());
        QCOMPARE(target->cursorPosition(), qMax(0, int(target->text().size()) - move.caretFromEndAfter));
        QVERIFY(!target->hasSelectedText());
    }

    void everyIntegerDigitIsPainted_data()
    {
        QTest::addColumn<Amount>("amount");
        // Narrower than the window, where even the smallest size leaves no room for every digit.
        QTest::newRow("header, a narrow row, fraction digits give way")
            << Amount{"en_US", "USD", 0, 999999999999.99, 1.0, 200};
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            for (const int row : {0, 1}) {
                const char *kind = row == 0 ? "header" : "row";
                QTest::addRow("%s, twelve digits, x%.1f", kind, scale)
                    << Amount{"en_US", "USD", row, 999999999999.99, scale, 338};
                QTest::addRow("%s, Persian digits, x%.1f", kind, scale)
                    << Amount{"fa_IR", "IRR", row, 888888888888.88, scale, 338};
                QTest::addRow("%s, a tiny amount, x%.1f", kind, scale)
                    << Amount{"en_US", "USD", row, 0.0000000012, scale, 338};
            }
        }
    }

    void everyIntegerDigitIsPainted()
    {
        QFETCH(Amount, amount);
        ConverterWindow converter(
            {.locale = amount.locale, .mainCurrency = QString::fromLatin1(amount.main)});
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;
        controller.setFixedWidth(amount.width);   // the converter window's is 338
        const QString currency = controller.currencies()[amount.row];
        core.currencies.setUserBaseCurrency(currency);
        core.inputs.setInput(amount.amount, currency);
        core.inputs.updateInputs();
        controller.updateUI();
        FXTableTextField *field = table.field(amount.row);
        const QString whole = field->text();
        QCOMPARE(whole, core.amount(currency));

        // The integer digits are all drawn, within the room the row gives the amount.
        const QString shown = field->shownText();
        const auto integerEnd =
            std::find_if(whole.cbegin(), whole.cend(), [](QChar c) { return !c.isDigit(); });
        QVERIFY2(shown.startsWith(whole.left(integerEnd - whole.cbegin())), qPrintable(shown));
        QCOMPARE(shown != whole, shown.endsWith(QChar(0x2026)));
        // In the window every digit fits; in a narrower row the leading ones still come first.
        if (amount.width == 338)
            QVERIFY(QFontMetricsF(field->font()).horizontalAdvance(shown) <= field->textWidth());
        QVERIFY(field->font().pixelSize() >= 12);
        // What is painted starts inside the field: nothing is cut at its left edge.
        QImage painted(field->size() * amount.scale, QImage::Format_ARGB32_Premultiplied);
        painted.setDevicePixelRatio(amount.scale);
        painted.fill(Qt::white);
        field->render(&painted);
        for (const int x : {0, 1, int(2 * amount.scale)}) {
            for (int y = 0; y < painted.height(); ++y)
                QVERIFY2(qGray(painted.pixel(x, y)) >= 128, qPrintable(u"%1,%2"_qs.arg(x).arg(y)));
        }
        // Screen readers read the whole amount.
        QCOMPARE(readableNamed(field, field->accessibleName()).value, whole);
    }

    void theSelectionFollowsClicksTheKeyboardAndTheRows()
    {
        ConverterWindow converter;
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;
        FXTableView &view = table.table();
        // Copy, Paste and Reset Amounts act on the selected row, the main currency's too; Copy All on all.
        QGuiApplication::clipboard()->setText(u"12"_qs);
        const auto commands = [&controller] {
            QList<bool> enabled;
            for (const QAction *command : controller.editActions())
                enabled.append(command->isEnabled());
            return enabled;
        };

        // Clicks select rows only through their fields and the header.
        table.clickField(2);
        QVERIFY(table.field(2)->hasFocus());
        QCOMPARE(core.currencies.userBaseCurrency(), controller.currencies()[2]);
        table.clickBeside(0);
        QCOMPARE(view.selectedRow(), 0);
        QVERIFY(view.hasFocus());
        QCOMPARE(commands(), QList<bool>({true, true, true, true}));
        table.clickBeside(3);
        QCOMPARE(view.selectedRow(), -1);
        QCOMPARE(commands(), QList<bool>({false, true, false, false}));

        // With no row selected, typing changes nothing; Down selects the first row.
        view.setFocus();
        table.typeIntoTable(QStringLiteral("5"));
        QCOMPARE(table.shown(0), QStringLiteral("100"));
        QTest::keyClick(&view, Qt::Key_Down);
        table.typeIntoTable(QStringLiteral("5"));
        QCOMPARE(table.shown(0), QStringLiteral("5"));
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Down);
        // The row above the selection leaves out its separator.
        for (int row = 0; row < controller.currencies().size(); ++row)
            QCOMPARE(view.rowViewAtRow(row)->isNextRowSelected(), row == 1);
        // Tab from the table goes into the selected row's field.
        QTest::keyClick(&view, Qt::Key_Tab);
        QVERIFY(table.field(2)->hasFocus());

        // A removal that takes the selected row away leaves no row selected, and the table shrinks.
        QTest::keyClick(table.field(2), Qt::Key_Return);
        QTest::keyClick(&view, Qt::Key_End);
        core.settings.removeCurrencyFromVisible(controller.currencies().last());
        QCOMPARE(view.selectedRow(), -1);
        // As cambio-cli in another process leaves only the main currency.
        core.groupDefaults.setObject(QStringList(u"USD"_qs), QStringLiteral("VisibleCurrencies"));
        core.center.postNotification(FXSettingsDidChangeNotification, &core.settings);
        QCOMPARE(view.numberOfRows(), 1);
        QTRY_COMPARE(view.height(), view.rowViewAtRow(0)->height());
    }

    void withEveryCurrencyTheHeaderFloatsAndTheKeyboardShowsEachRowWhole()
    {
        QStringList all = ConverterHarness().currencies.allCurrencies();
        all.removeAll(QStringLiteral("USD"));
        ConverterWindow converter({.visible = all});
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;
        FXTableView &view = table.table();
        QTRY_COMPARE(view.height(), 532);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());

        // The main currency floats over the rows under it, its backing light enough to read it.
        auto *header = qobject_cast<FXHeaderRowView *>(view.rowViewAtRow(0));
        QVERIFY(header && header->isVisible() && header->isFloating());
        QCOMPARE(header->y(), 0);
        QImage backing(header->size(), QImage::Format_ARGB32_Premultiplied);
        header->render(&backing, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        for (int y = 0; y < backing.height() - 2; ++y) {
            for (int x = 0; x < backing.width(); ++x)
                QVERIFY2(qGray(backing.pixel(x, y)) >= 234, qPrintable(u"%1,%2"_qs.arg(x).arg(y)));
        }

        // Home and End select the first and last row; Down and Up show each one whole, below the header.
        view.setFocus();
        view.verticalScrollBar()->setValue(0);
        QTest::keyClick(&view, Qt::Key_End);
        const int last = int(controller.currencies().size()) - 1;
        QCOMPARE(view.selectedRow(), last);
        QVERIFY(table.cell(last) && table.cell(last)->isVisible());
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.selectedRow(), 0);
        for (const auto &[key, presses] : {std::pair{Qt::Key_Down, 40}, std::pair{Qt::Key_Up, 25}}) {
            for (int press = 0; press < presses; ++press) {
                QTest::keyClick(&view, key);
                const int row = view.selectedRow();
                const QRect shown = view.rowViewAtRow(row)->geometry();
                QVERIFY2(row == 0 || shown.top() > header->geometry().bottom(),
                         qPrintable(QString::number(row)));
                QVERIFY(shown.bottom() < view.viewport()->height());
                QCOMPARE(table.shown(row), core.amount(controller.currencies()[row]));
            }
        }
    }
};

QTEST_MAIN(ConverterTableTest)
#include "ConverterTableTest.moc"
