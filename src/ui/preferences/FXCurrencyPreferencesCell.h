#pragma once

#include <QStyledItemDelegate>

class FXFlagCache;
class QAbstractItemView;

// Draws one row of a preference list of currencies, 30 pixels high: the flag, the code, and the
// name in a quieter colour; a selected row draws both texts in the selection's text colour.
// Flags still being rendered show when they are ready.
class FXCurrencyPreferencesCell : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int RowHeight = 30;

    // Draws the rows of `view`, which it belongs to.
    FXCurrencyPreferencesCell(FXFlagCache &flags, QAbstractItemView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    FXFlagCache &m_flags;
    QAbstractItemView *m_view;
};
