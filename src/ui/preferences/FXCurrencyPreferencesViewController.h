#pragma once

#include "FXPreferencesServices.h"

#include <QPointer>
#include <QWidget>

class FXAddCurrencyViewController;
class FXCurrencyListView;
class FXFailureLabel;
class FXVisibleCurrenciesModel;
class QAction;
class QPushButton;

// The pane of the currencies the converter shows: their order (dragged, or moved with Alt+Up and
// Alt+Down), adding one through the add-currency sheet, removing the selected one (Delete), and
// the default list back. The list is the settings store's; a change that could not be stored is
// told below the list.
class FXCurrencyPreferencesViewController : public QWidget {
    Q_OBJECT

public:
    explicit FXCurrencyPreferencesViewController(const FXPreferencesServices &services,
                                                 QWidget *parent = nullptr);

    FXCurrencyListView *currenciesTableView() const { return m_table; }
    FXVisibleCurrenciesModel *currenciesModel() const { return m_model; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *restoreButton() const { return m_restore; }
    FXFailureLabel *failureLabel() const { return m_failure; }
    // The add-currency sheet while it is open.
    FXAddCurrencyViewController *addSheet() const;

    // The code of the selected row; empty with none.
    QString selectedCurrency() const;
    void selectRow(int row);

    void presentAddCurrency();
    void removeCurrency();
    void resetDefaults();
    // Moves the selected currency one row up (-1) or down (1).
    void moveSelectedCurrency(int direction);
    // Once the add-currency sheet has closed, added or not: the list as stored, its first row
    // selected.
    void dismissViewController();

private:
    void validateActions();

    const FXPreferencesServices &m_services;
    FXVisibleCurrenciesModel *m_model;
    FXCurrencyListView *m_table;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_restore;
    FXFailureLabel *m_failure;
    QAction *m_moveUp;
    QAction *m_moveDown;
    QAction *m_removeAction;
    QPointer<FXAddCurrencyViewController> m_addSheet;
    QString m_selectedBeforeReload;
};
