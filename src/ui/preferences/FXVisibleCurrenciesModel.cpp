#include "FXVisibleCurrenciesModel.h"

#include "FXNotificationCenter.h"
#include "FXSettingsManager.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

namespace {

QList<int> draggedRows(const QMimeData *data)
{
    QList<int> rows;
    QDataStream stream(data->data(FXVisibleCurrenciesModel::draggedCurrencyType()));
    stream >> rows;
    return stream.status() == QDataStream::Ok ? rows : QList<int>();
}

}

QString FXVisibleCurrenciesModel::draggedCurrencyType()
{
    return QStringLiteral("application/x-io.github.cambio.Cambio.DraggedCurrencyCellType");
}

FXVisibleCurrenciesModel::FXVisibleCurrenciesModel(FXSettingsManager &settings,
                                                   const FXCurrencyManager &currencies,
                                                   FXNotificationCenter &center, QObject *parent)
    : FXCurrencyListModel(currencies, parent)
    , m_settings(settings)
{
    reload();
    center.addObserver(this, FXSettingsDidChangeNotification,
                       [this](const FXNotification &) { reload(); });
}

void FXVisibleCurrenciesModel::reload()
{
    setCurrencies(m_settings.visibleCurrencies());
}

int FXVisibleCurrenciesModel::targetRow(int from, int gap)
{
    // Taken out first, the row leaves a place that the rows below it move up into.
    return from < gap ? gap - 1 : gap;
}

void FXVisibleCurrenciesModel::moveCurrency(int from, int gap)
{
    const QStringList codes = currencies();
    if (from < 0 || from >= codes.size() || gap < 0 || gap > codes.size())
        return;
    const int target = targetRow(from, gap);
    const FXResult result = m_settings.exchangeCurrency(codes[from], codes[target]);
    reload();
    emit changeWritten(result.failureReason());
    emit currencyMoved(target);
}

void FXVisibleCurrenciesModel::moveCurrencyOneRow(int from, int direction)
{
    // The gap above the row before, or below the row after.
    const int gap = direction < 0 ? from - 1 : from + 2;
    if (from >= 0 && gap >= 0 && gap <= rowCount())
        moveCurrency(from, gap);
}

Qt::ItemFlags FXVisibleCurrenciesModel::flags(const QModelIndex &index) const
{
    // Rows take no drops of their own: whatever is dropped goes between them.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

QStringList FXVisibleCurrenciesModel::mimeTypes() const
{
    return {draggedCurrencyType()};
}

QMimeData *FXVisibleCurrenciesModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << rows;
    auto *data = new QMimeData;
    data->setData(draggedCurrencyType(), payload);
    return data;
}

bool FXVisibleCurrenciesModel::canDropMimeData(const QMimeData *data, Qt::DropAction action,
                                               int, int column, const QModelIndex &) const
{
    return data && action == Qt::MoveAction && column <= 0
           && data->hasFormat(draggedCurrencyType());
}

bool FXVisibleCurrenciesModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row,
                                            int column, const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const QList<int> rows = draggedRows(data);
    if (rows.isEmpty() || rows.first() < 0 || rows.first() >= rowCount())
        return false;
    const int gap = parent.isValid() ? parent.row() : row < 0 ? rowCount() : std::min(row, rowCount());
    moveCurrency(rows.first(), gap);
    return true;
}

bool FXVisibleCurrenciesModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count != 1 || row < 0 || row >= rowCount())
        return false;
    const FXResult result = m_settings.removeCurrencyFromVisible(currencyAt(row));
    reload();
    emit changeWritten(result.failureReason());
    return result.isDone();
}
