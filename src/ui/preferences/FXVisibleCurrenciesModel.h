#pragma once

#include "FXCurrencyListModel.h"

class FXNotificationCenter;
class FXSettingsManager;

// The currencies the converter shows, in their order, over the settings store: it shows what is
// stored, writes every edit there (a row moved by dragging or from the keyboard, a row removed)
// and shows the list again as stored. Changes made elsewhere (cambio-cli) show as the store
// announces them.
//
// Dragged rows travel as the private type draggedCurrencyType(), holding their row numbers; no
// other data is taken.
class FXVisibleCurrenciesModel : public FXCurrencyListModel {
    Q_OBJECT

public:
    static QString draggedCurrencyType();

    FXVisibleCurrenciesModel(FXSettingsManager &settings, const FXCurrencyManager &currencies,
                             FXNotificationCenter &center, QObject *parent = nullptr);

    // Shows the list as stored now.
    void reload();

    // The row where the currency of row `from` lands when it is put into gap `gap` (0 above the
    // first row, rowCount() below the last).
    static int targetRow(int from, int gap);
    // Puts the currency of row `from` into gap `gap`: it takes the place of the currency at
    // targetRow(), and the ones between move up or down by one. Announces currencyMoved() with
    // that row even when the store could not be written.
    void moveCurrency(int from, int gap);
    // Moves the currency of row `from` one row up (-1) or down (1), by the same rule; nothing at
    // either end of the list.
    void moveCurrencyOneRow(int from, int direction);

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    // Moves the first dragged row into the gap at `row`; a drop onto a row (`parent`) goes into
    // the gap above it, a drop below every row (-1) into the gap after the last.
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    // Removes one row's currency from the visible ones; more rows at once are refused.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

signals:
    void currencyMoved(int row);
    // After each change written to the store: why it could not be stored, empty when it was.
    void changeWritten(const QString &failureReason);

private:
    FXSettingsManager &m_settings;
};
