#pragma once

#include "ConverterHarness.h"
#include "FXMainViewController.h"
#include "FXRatesCellView.h"
#include "FXTableTextField.h"
#include "FXTableView.h"

#include <QLabel>
#include <QTest>

// Drives a converter's table the way a person does, and reads what the person would see.
class TableDriver {
public:
    explicit TableDriver(FXMainViewController &controller) : m_table(*controller.ratesTableView()) {}

    FXTableView &table() const { return m_table; }
    FXRatesCellView *cell(int row) const { return m_table.viewAtRow(row); }
    FXTableTextField *field(int row) const { return cell(row)->inputTextField(); }
    // The amount row `row` shows.
    QString shown(int row) const { return field(row)->text(); }
    // The amount every row in sight shows, from the first: rows scrolled out of sight have no field.
    QStringList shownAmounts() const
    {
        QStringList shown;
        for (int row = 0; row < m_table.numberOfRows(); ++row) {
            if (cell(row))
                shown.append(this->shown(row));
        }
        return shown;
    }

    void clickField(int row) const { QTest::mouseClick(field(row), Qt::LeftButton, {}, QPoint(5, 5)); }
    // A click on the row's flag, beside its amount field.
    void clickBeside(int row) const
    {
        QLabel *flag = cell(row)->flagImageView();
        QTest::mouseClick(flag, Qt::LeftButton, {}, flag->rect().center());
    }
    // Selects `row` with the keyboard on the table: a click in its field, then Return.
    void selectForTyping(int row) const
    {
        if (row == 0) {
            clickBeside(0);
        } else {
            clickField(row);
            QTest::keyClick(field(row), Qt::Key_Return);
        }
    }
    // Types `keys` into the table, '<' standing for the delete key.
    void typeIntoTable(const QString &keys) const
    {
        for (const QChar key : keys) {
            if (key == u'<')
                QTest::keyClick(&m_table, Qt::Key_Backspace);
            else
                QTest::keyClick(&m_table, key.toLatin1());
        }
    }

private:
    FXTableView &m_table;
};

// A converter window over a harness of its own, with a driver for its table.
struct ConverterWindow {
    explicit ConverterWindow(const ConverterHarness::Setup &setup = {}) : core(setup) {}
    // Shows the converter and waits until it has the keyboard.
    bool show()
    {
        controller.show();
        // Without a window manager (X11 under Xvfb) nobody else activates it.
        controller.activateWindow();
        return QTest::qWaitForWindowActive(&controller);
    }
    // The amount of every row's currency, as the core writes it.
    QStringList coresAmounts()
    {
        QStringList amounts;
        for (const QString &currency : controller.currencies())
            amounts.append(core.amount(currency));
        return amounts;
    }

    ConverterHarness core;
    FXMainViewController controller{core.services};
    TableDriver table{controller};
};
