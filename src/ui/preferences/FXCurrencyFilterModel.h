#pragma once

#include "FXCurrencyFilter.h"

#include <QSortFilterProxyModel>

#include <optional>

// The add-currency list as the search leaves it: with no search every currency shows; with a
// search text the currency filter decides (the text anywhere in the code, or where a word of the
// name starts, case ignored).
class FXCurrencyFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The source model's rows hold codes under FXCurrencyListModel::CodeRole.
    explicit FXCurrencyFilterModel(const FXCurrencyManager &currencies, QObject *parent = nullptr);

    // None shows every currency; any text, the empty one included, shows what it finds.
    void setFilterString(const std::optional<QString> &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    FXCurrencyFilter m_filter;
    std::optional<QString> m_filterString;
};
