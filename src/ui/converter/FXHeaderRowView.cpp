#include "FXHeaderRowView.h"

#include "FXTableView.h"

#include <QMouseEvent>
#include <QPainter>

FXHeaderRowView::FXHeaderRowView(FXRatesCellView *cell, QWidget *parent)
    : FXRatesRowView(cell, parent)
{
}

void FXHeaderRowView::setFloating(bool floating)
{
    if (floating == m_floating)
        return;
    m_floating = floating;
    update();
}

void FXHeaderRowView::drawBackground(QPainter &painter)
{
    // The backing covers the row but the line under it, where the separator goes: the rows
    // beneath, blurred and veiled white, so that they show as a hint of colour, never as text
    // that would run into the header's own amount.
    if (showsBacking()) {
        const QRect backing(0, 0, width(), height() - 1);
        if (const FXTableView *table = enclosingTableView()) {
            const qreal scale = devicePixelRatioF();
            const QImage beneath = table->imageOfRowsUnder(backing.translated(pos()), scale);
            // Shrinking and growing again smooths the picture into a blur.
            const QImage blurred =
                beneath.scaled(beneath.size() / 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .scaled(beneath.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(QRectF(backing), blurred);
        }
        painter.fillRect(backing, QColor(255, 255, 255, 235));
    }
    if (isNextRowSelected())
        return;
    const qreal height = hairline(0.5);
    painter.fillRect(QRectF(0, this->height() - 1.0, width(), height), separatorColor());
}

void FXHeaderRowView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (FXTableView *table = enclosingTableView())
        table->selectRow(0);
}
