#include "FXTitleView.h"

#include <QPainter>

FXTitleView::FXTitleView(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(28);
}

void FXTitleView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal line = qMax(0.5, 1.0 / devicePixelRatioF());
    painter.fillRect(QRectF(0, height() - line, width(), line), QColor::fromRgbF(0, 0, 0, 0.1f));
    painter.fillRect(QRectF(0, height() - 2 * line, width(), line),
                     QColor::fromRgbF(0, 0, 0, 0.03f));
}
