#include "FXWindowButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Colours {
    QColor fill;
    QColor edge;
    QColor symbol;
};

Colours colours(FXWindowButton::Kind kind)
{
    switch (kind) {
    case FXWindowButton::Kind::Close:
        return {QColor(255, 95, 87), QColor(224, 68, 62), QColor(77, 0, 0)};
    case FXWindowButton::Kind::Minimize:
        return {QColor(254, 188, 46), QColor(222, 161, 35), QColor(153, 87, 0)};
    case FXWindowButton::Kind::Zoom:
        return {QColor(40, 200, 64), QColor(29, 173, 43), QColor(0, 100, 0)};
    }
    return {};
}

}

FXWindowButton::FXWindowButton(Kind kind, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    // Like the platform's own window buttons: the keyboard closes and minimises by shortcut.
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

void FXWindowButton::setShowsSymbol(bool showsSymbol)
{
    if (showsSymbol == m_showsSymbol)
        return;
    m_showsSymbol = showsSymbol;
    update();
}

bool FXWindowButton::event(QEvent *event)
{
    // The window's activation reaches its children as WindowActivate and WindowDeactivate only.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update();
    return QAbstractButton::event(event);
}

void FXWindowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Colours look = colours(m_kind);
    const bool lit = isEnabled() && (isActiveWindow() || m_showsSymbol);
    if (!lit)
        look = {QColor(206, 206, 206), QColor(185, 185, 185), QColor()};
    if (isDown())
        look.fill = look.fill.darker(120);
    painter.setPen(QPen(look.edge, 0.5));
    painter.setBrush(look.fill);
    painter.drawEllipse(disc);
    if (!lit || !m_showsSymbol)
        return;
    painter.setPen(QPen(look.symbol, 1.1, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = disc.center();
    const qreal arm = 2.6;
    switch (m_kind) {
    case Kind::Close:
        painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
        painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
        break;
    case Kind::Minimize:
        painter.drawLine(centre + QPointF(-arm - 0.5, 0), centre + QPointF(arm + 0.5, 0));
        break;
    case Kind::Zoom: {
        // Two small triangles pointing apart, as a window that grows.
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.symbol);
        QPainterPath corners;
        corners.moveTo(centre + QPointF(-3, -3));
        corners.lineTo(centre + QPointF(1.2, -3));
        corners.lineTo(centre + QPointF(-3, 1.2));
        corners.closeSubpath();
        corners.moveTo(centre + QPointF(3, 3));
        corners.lineTo(centre + QPointF(-1.2, 3));
        corners.lineTo(centre + QPointF(3, -1.2));
        corners.closeSubpath();
        painter.drawPath(corners);
        break;
    }
    }
}
