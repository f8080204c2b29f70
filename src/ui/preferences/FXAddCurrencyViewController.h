#pragma once

#include "FXPreferencesServices.h"

#include "FXPreferencesSheet.h"
#include <QStringList>

#include <optional>

class FXCurrencyFilterModel;
class FXCurrencyListModel;
class QLineEdit;
class QListView;
class QPushButton;

// The sheet that adds a currency to the converter: every currency of the rates that is neither
// shown nor the main currency, narrowed by a search, and the chosen one put at the top of the
// visible ones. The list is taken once, when the sheet opens. Up and Down in the search field
// move through the list; Return adds.
class FXAddCurrencyViewController : public FXPreferencesSheet {
    Q_OBJECT

public:
    FXAddCurrencyViewController(const FXPreferencesServices &services, QWidget *parent = nullptr);

    QStringList currenciesToAdd() const;
    QLineEdit *searchField() const { return m_search; }
    QListView *currenciesTableView() const { return m_table; }
    FXCurrencyFilterModel *filteredCurrencies() const { return m_filtered; }
    QPushButton *addButton() const { return m_add; }

    void setFilterString(const std::optional<QString> &text);
    // Adds the selected currency, if one is, and closes the sheet; a currency that cannot be
    // stored is told and the sheet stays open.
    void addCurrency();

private:
    void keepARowSelected();

    const FXPreferencesServices &m_services;
    FXCurrencyListModel *m_currencies;
    FXCurrencyFilterModel *m_filtered;
    QLineEdit *m_search;
    QListView *m_table;
    QPushButton *m_add;
};
