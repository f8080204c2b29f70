#include "FXToolbarView.h"

#include <QPainter>

FXToolbarView::FXToolbarView(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(34);
}

void FXToolbarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal line = qMax(0.5, 1.0 / devicePixelRatioF());
    painter.fillRect(QRectF(0, 0, width(), line), QColor::fromRgbF(0, 0, 0, 0.1f));
}
