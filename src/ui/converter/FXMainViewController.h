#pragma once

#include "FXConverterServices.h"
#include "FXCurrencySignResolver.h"
#include "FXPastedAmountReader.h"
#include "FXTableTextField.h"
#include "FXTableView.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <optional>

class FXHistoryWindowController;
class FXMainTemplateButton;
class FXShareButton;
class FXStatusLine;
struct FXNotification;
class QAction;
class QMenu;
class QMessageBox;
class QVariantAnimation;

// The contents of the converter window: the table of currencies, the status line and the toolbar.
// It turns what the user types (into the table or into an amount field) into edits of the input
// manager and keeps every row in step, tells the currency manager which currency the user
// converts from, starts rates refreshes and shows how they went, answers the clipboard commands,
// rebuilds the rows when the settings or the locale change, and offers to switch the main
// currency when the computer's country changes.
//
// It keeps no amounts of its own: only the list of rows it shows and whether the next character
// typed into the table starts a new amount.
class FXMainViewController : public QWidget, private FXTableViewDelegate {
    Q_OBJECT

public:
    explicit FXMainViewController(const FXConverterServices &services, QWidget *parent = nullptr);
    ~FXMainViewController() override;

    // The rows: the main currency, then the other visible ones.
    QStringList currencies() const { return m_currencies; }
    void setCurrencies(const QStringList &currencies);

    FXTableView *ratesTableView() const { return m_table; }
    FXStatusLine *statusTextField() const { return m_status; }
    FXMainTemplateButton *menuButton() const { return m_menuButton; }
    FXShareButton *shareButton() const { return m_shareButton; }

    // The height given to the table for `rows` rows: a row more adds 46 pixels up to eleven rows;
    // from then on the table scrolls.
    static int tableHeightForRowCount(qsizetype rows);
    // The height the table is given (or is being animated to) for the rows it shows now.
    int tableHeightConstant() const { return m_tableHeightConstant; }

    // Shows every row's amount anew.
    void updateUI();
    // Shows "Updating…" and starts a refresh of the rates.
    void updateCurrencyRates();

    // The commands of the edit menu, with their shortcuts: Copy, Copy All, Paste, Reset Amounts.
    QList<QAction *> editActions() const;
    QAction *refreshAction() const { return m_refreshAction; }
    // Ctrl+H: the history of the selected row (of the main row when none is selected).
    QAction *historyAction() const { return m_historyAction; }
    // The application's menu, behind the toolbar's menu button.
    void setApplicationMenu(QMenu *menu);

    void copy();
    void copyAll();
    void paste();
    void contextCopy();
    void contextPaste();
    // Every amount back to zero: the Delete key, the reset button and the context menu's item.
    void resetInputAction();
    void contextDelete();
    // Opens the history window on the selected row, or brings it to the front; it follows the
    // selection while open.
    void showHistory();
    void contextHistory();
    FXHistoryWindowController *historyWindow() const;
    void updateCurrencyRatesAction();
    void copyString(const QString &text);
    // Makes the amount `text` holds the amount of `currency`, or of the shown currency whose sign
    // or code it carries. A text that is no amount changes nothing: the status line says why.
    void pasteString(const std::optional<QString> &text, const QString &currency);
    // Selects the row of `currency` and makes `amount` its amount, as if typed there: every other
    // row converts it, it is kept as the last input, and the next digit typed into the table
    // starts a new amount. False, changing nothing, when the currency is not shown.
    bool showAmount(double amount, const QString &currency);
    // The currency that a command of the table's context menu acts on.
    std::optional<QString> currencyShowingMenu() const;
    // Enables the commands as the selection and the clipboard allow.
    void validateActions();

    // Refreshes rates older than five minutes, and asks for a location fix.
    void applicationDidBecomeActive();
    // Offers to make the currency of the country the computer is now in the main currency.
    void locationDidChange();

protected:
    bool event(QEvent *event) override;

private:
    // Once the first frame is painted: starts the rates refresh and the locating of the computer.
    void viewDidAppear();

    int numberOfRows(const FXTableView &table) const override;
    int heightOfRow(const FXTableView &table, int row) const override;
    FXRatesRowView *rowViewForRow(FXTableView &table, int row) override;
    void willDisplayCell(FXTableView &table, FXRatesCellView &cell, int row) override;
    void selectionDidChange(FXTableView &table) override;
    void didReceiveInput(FXTableView &table, const QString &character) override;

    void ratesDidUpdate(const FXNotification &notification);
    // The date of the rates in force, and the warning sign while they are old or the last refresh
    // failed.
    void showRatesState();
    void rowsDidChange();
    void controlTextDidChange(FXRatesCellView &cell);
    bool moveBetweenRows(FXTableTextField &field, FXTableTextField::Command command);
    void showContextMenu(const QPoint &globalPosition);
    void updateTableHeight();
    // The row whose amount field is being edited, or -1.
    int editedRow() const;
    void showFailure(const QString &reason);
    // What pasting `text` into the row of `currency` does: the amount and the row it goes into,
    // or why it is refused.
    struct PasteTarget {
        double amount = 0;
        QString currency;
        QString refusal;
    };
    PasteTarget pasteTarget(const QString &text, const QString &currency) const;
    // Selects `row` and makes `amount` the amount of its currency, converted into every other.
    void enterAmount(double amount, int row);
    // Whether the clipboard holds an amount that can be pasted into the row of `currency`.
    bool canPaste(const std::optional<QString> &currency) const;
    // The currency of `row` and the one its history is shown against: the main currency, or for
    // the main row the first visible currency. None without rates history or another row.
    std::optional<std::pair<QString, QString>> historyPair(int row) const;
    void showHistoryOfRow(int row);
    // Points an open history window at the selected row.
    void historyFollowsSelection();
    QAction *makeCommand(const QString &title, const QKeySequence &shortcut,
                         void (FXMainViewController::*command)());

    const FXConverterServices &m_services;
    FXCurrencySignResolver m_signs;
    FXPastedAmountReader m_pastes;
    QStringList m_currencies;
    bool m_shouldStartOver = false;
    FXTableView *m_table;
    FXStatusLine *m_status;
    FXMainTemplateButton *m_refreshButton;
    FXMainTemplateButton *m_resetButton;
    FXShareButton *m_shareButton;
    FXMainTemplateButton *m_menuButton;
    int m_tableHeightConstant = 0;
    QVariantAnimation *m_heightAnimation;
    // The last amount typed, pasted or reset reaches the user defaults a moment after the typing
    // stops.
    QTimer m_saveInput;
    bool m_appeared = false;   // painted once
    bool m_startedWork = false;   // viewDidAppear() started what waits for the first frame
    QElapsedTimer m_sinceRefreshStarted;
    QString m_refreshFailure;   // why the last refresh that ended failed; empty when it went well
    QPointer<QMessageBox> m_locationAlert;
    QPointer<FXHistoryWindowController> m_historyWindow;   // the one history window, while open

    QAction *m_copyAction;
    QAction *m_copyAllAction;
    QAction *m_pasteAction;
    QAction *m_deleteAction;
    QAction *m_refreshAction;
    QAction *m_historyAction;
    QAction *m_contextCopyAction;
    QAction *m_contextPasteAction;
    QAction *m_contextDeleteAction;
    QAction *m_contextHistoryAction;
};
