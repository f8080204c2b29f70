#include "FXCurrencyFilterModel.h"

#include "FXCurrencyListModel.h"

FXCurrencyFilterModel::FXCurrencyFilterModel(const FXCurrencyManager &currencies, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_filter(currencies)
{
}

void FXCurrencyFilterModel::setFilterString(const std::optional<QString> &text)
{
    if (text == m_filterString)
        return;
    m_filterString = text;
    invalidateFilter();
}

bool FXCurrencyFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_filterString)
        return true;
    const QString code = sourceModel()->index(sourceRow, 0, sourceParent)
                             .data(FXCurrencyListModel::CodeRole).toString();
    return m_filter.isShown(code, *m_filterString);
}
