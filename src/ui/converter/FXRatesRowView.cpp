#include "FXRatesRowView.h"

#include "FXRatesCellView.h"
#include "FXTableView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The table leaves this much between two rows' cells; it belongs to the row above.
constexpr int CellInset = 1;

}

FXRatesRowView::FXRatesRowView(FXRatesCellView *cell, QWidget *parent)
    : QWidget(parent)
    , m_cell(cell)
{
    m_cell->setParent(this);
}

void FXRatesRowView::setDrawSeparator(bool drawSeparator)
{
    if (drawSeparator == m_drawSeparator)
        return;
    m_drawSeparator = drawSeparator;
    update();
}

void FXRatesRowView::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

void FXRatesRowView::setNextRowSelected(bool nextRowSelected)
{
    if (nextRowSelected == m_nextRowSelected)
        return;
    m_nextRowSelected = nextRowSelected;
    update();
}

const QColor &FXRatesRowView::separatorColor()
{
    static const QColor colour = QColor::fromRgbF(0, 0, 0, 0.15f);
    return colour;
}

qreal FXRatesRowView::calculatedSeparatorInsetLeft() const
{
    const QLabel *flag = m_cell->flagImageView();
    const QRect shown(m_cell->mapTo(this, flag->geometry().topLeft()), flag->size());
    return isRightToLeft() ? width() - shown.x() - shown.width() : shown.x();
}

FXTableView *FXRatesRowView::enclosingTableView() const
{
    for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto *table = qobject_cast<FXTableView *>(ancestor))
            return table;
    }
    return nullptr;
}

qreal FXRatesRowView::hairline(qreal height) const
{
    return qMax(height, 1.0 / devicePixelRatioF());
}

void FXRatesRowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawBackground(painter);
    if (m_selected)
        drawSelection(painter);
}

void FXRatesRowView::drawBackground(QPainter &painter)
{
    if (!m_drawSeparator || m_nextRowSelected)
        return;
    const qreal height = hairline(0.5);
    // The line starts under the flag, which is on the right in a right-to-left language.
    const qreal inset = calculatedSeparatorInsetLeft();
    const qreal left = isRightToLeft() ? 0 : inset;
    painter.fillRect(QRectF(left, this->height() - height, width() - inset, height),
                     separatorColor());
}

void FXRatesRowView::drawSelection(QPainter &painter)
{
    if (!isActiveWindow()) {
        painter.fillRect(rect(), QColor(216, 216, 216));
        return;
    }
    painter.fillRect(rect(), QColor(165, 214, 167));
    const QColor edge(153, 198, 155);
    const qreal height = hairline(0.5);
    painter.fillRect(QRectF(0, 0, width(), height), edge);
    painter.fillRect(QRectF(0, this->height() - height, width(), height), edge);
}

void FXRatesRowView::resizeEvent(QResizeEvent *)
{
    m_cell->setGeometry(0, CellInset, width(), height() - 2 * CellInset);
}

void FXRatesRowView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_selected)
        update();
}

void FXRatesRowView::mousePressEvent(QMouseEvent *event)
{
    // A click beside the amount field selects nothing, and takes back a selection there was.
    if (event->button() == Qt::LeftButton) {
        if (FXTableView *table = enclosingTableView())
            table->deselectAll();
        return;
    }
    QWidget::mousePressEvent(event);
}
