#pragma once

#include "FXPreferencesServices.h"

#include "FXPreferencesSheet.h"

#include <optional>

class FXNumberFormatsModel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

// The sheet that chooses the notation amounts are written in: the system's, or the one of a
// locale found by searching its name. Choosing stores the choice for the next start, here and in
// cambio-cli, and replaces the current locale, so that every amount shows in the new notation at
// once. Up and Down in the search field move through the list; Return chooses.
class FXNumberFormatViewController : public FXPreferencesSheet {
    Q_OBJECT

public:
    FXNumberFormatViewController(const FXPreferencesServices &services, QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_search; }
    QTreeView *formatsTableView() const { return m_table; }
    // The ICU id of the selected row; none for the system's or with no row selected.
    std::optional<QString> selectedIdentifier() const;

    // Stores the selected notation, puts it in force and closes the sheet; a notation that
    // cannot be stored is told and changes nothing.
    void chooseNumberFormat();

private:
    void keepARowSelected();

    const FXPreferencesServices &m_services;
    FXNumberFormatsModel *m_formats;
    QSortFilterProxyModel *m_filtered;
    QLineEdit *m_search;
    QTreeView *m_table;
    QPushButton *m_choose;
};
