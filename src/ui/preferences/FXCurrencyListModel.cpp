#include "FXCurrencyListModel.h"

#include "FXCurrencyManager.h"

FXCurrencyListModel::FXCurrencyListModel(const FXCurrencyManager &currencies, QObject *parent)
    : QAbstractListModel(parent)
    , m_currencies(currencies)
{
}

void FXCurrencyListModel::setCurrencies(const QStringList &codes)
{
    if (codes == m_codes)
        return;
    beginResetModel();
    m_codes = codes;
    endResetModel();
}

int FXCurrencyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_codes.size());
}

QVariant FXCurrencyListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString &code = m_codes[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case CodeRole:
        return code;
    case NameRole:
        return m_currencies.currencyNameForCode(code).value_or(QString());
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: {
        const auto name = m_currencies.currencyNameForCode(code);
        return name ? *name + QStringLiteral(" (") + code + u')' : code;
    }
    default:
        return {};
    }
}
