#include "FXCurrencyListView.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>

FXCurrencyListView::FXCurrencyListView(QWidget *parent)
    : QListView(parent)
{
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    // The list draws its own gap line.
    setDropIndicatorShown(false);
}

int FXCurrencyListView::gapAt(const QPoint &position) const
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const QModelIndex under = indexAt(position);
    if (!under.isValid())
        return position.y() < 0 ? 0 : rows;
    const QRect row = visualRect(under);
    return position.y() < row.center().y() ? under.row() : under.row() + 1;
}

void FXCurrencyListView::startDrag(Qt::DropActions)
{
    const QModelIndexList dragged = selectedIndexes();
    if (dragged.isEmpty() || !model())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(dragged));
    const QRect row = visualRect(dragged.first());
    drag->setPixmap(viewport()->grab(row));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - row.topLeft());
    // The model moves the row itself when it is dropped: nothing is to be removed afterwards.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    showGap(-1);
}

bool FXCurrencyListView::acceptsDrag(const QDropEvent *event) const
{
    return event->source() == this && model()
           && event->mimeData()->hasFormat(model()->mimeTypes().value(0));
}

void FXCurrencyListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void FXCurrencyListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    // Scrolls the list when the pointer nears its edges.
    QListView::dragMoveEvent(event);
    showGap(gapAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void FXCurrencyListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    QListView::dragLeaveEvent(event);
    showGap(-1);
}

void FXCurrencyListView::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    showGap(-1);
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    const int gap = gapAt(event->position().toPoint());
    if (model()->dropMimeData(event->mimeData(), Qt::MoveAction, gap, 0, rootIndex())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void FXCurrencyListView::showGap(int gap)
{
    if (gap == m_gap)
        return;
    m_gap = gap;
    viewport()->update();
}

void FXCurrencyListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_gap < 0 || !model())
        return;
    const int rows = model()->rowCount(rootIndex());
    int y = 0;
    if (rows > 0) {
        const QRect above = visualRect(model()->index(std::min(m_gap, rows - 1), 0, rootIndex()));
        y = m_gap < rows ? above.top() : above.bottom() + 1;
    }
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    painter.setPen(QPen(accent, 2));
    const int radius = 3;
    y = qBound(radius + 1, y, viewport()->height() - radius - 1);
    painter.drawLine(QPointF(4 + 2 * radius, y), QPointF(viewport()->width() - 4, y));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(QPointF(4 + radius, y), radius, radius);
}
