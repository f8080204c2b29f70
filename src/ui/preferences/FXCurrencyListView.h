#pragma once

#include <QListView>

// The list of the currency pane, whose rows are reordered by dragging them. Only rows dragged
// from this very list are taken; a drop lands in the gap between two rows nearest to the pointer,
// which a line across the list shows while dragging.
class FXCurrencyListView : public QListView {
    Q_OBJECT

public:
    explicit FXCurrencyListView(QWidget *parent = nullptr);

    // The gap a drop at `position` (in the viewport) lands in: 0 above the first row, the number of
    // rows below the last; -1 while nothing is dragged over the list.
    int gapAt(const QPoint &position) const;
    int shownGap() const { return m_gap; }

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool acceptsDrag(const QDropEvent *event) const;
    void showGap(int gap);

    int m_gap = -1;
};
