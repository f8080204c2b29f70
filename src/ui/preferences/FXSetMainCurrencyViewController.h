#pragma once

#include "FXPreferencesServices.h"

#include "FXPreferencesSheet.h"

class FXCurrencyListModel;
class QCheckBox;
class QGraphicsOpacityEffect;
class QListView;
class QPushButton;

// The sheet that decides the main currency, the one at the top of the converter: a currency
// picked from every currency of the rates, or, with "Follow Location" on, the one the location
// switch offers when the computer is in another country. The choice lives in the sheet until it
// is applied; cancelling leaves the settings as they were.
class FXSetMainCurrencyViewController : public FXPreferencesSheet {
    Q_OBJECT

public:
    FXSetMainCurrencyViewController(const FXPreferencesServices &services, QWidget *parent = nullptr);

    QCheckBox *automaticCurrencyCheckbox() const { return m_automatic; }
    QListView *currenciesTableView() const { return m_table; }
    // How opaque the list is drawn: dimmed while the main currency follows the location.
    qreal listOpacity() const;
    // The code of the selected row; empty with none.
    QString selectedCurrency() const;

    // Dims and disables the list while the check box is on.
    void toggleAutomaticCurrency();
    // Writes the choice and closes the sheet. Without a currency to fix (the check box off and
    // no row selected) the sheet stays open; so it does when the settings cannot be written.
    void applyMainCurrency();

private:
    void validateApply();

    const FXPreferencesServices &m_services;
    FXCurrencyListModel *m_currencies;
    QCheckBox *m_automatic;
    QListView *m_table;
    QGraphicsOpacityEffect *m_dimming;
    QPushButton *m_apply;
};
