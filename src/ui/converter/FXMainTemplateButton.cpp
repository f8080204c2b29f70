#include "FXMainTemplateButton.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSvgRenderer>

namespace {

constexpr int ImageSize = 16;

}

FXMainTemplateButton::FXMainTemplateButton(const QString &imagePath, const QString &accessibleName,
                                           QWidget *parent)
    : QToolButton(parent)
    , m_imagePath(imagePath)
    , m_fade(new QPropertyAnimation(this, "alpha", this))
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    m_fade->setDuration(150);
}

QSize FXMainTemplateButton::sizeHint() const
{
    return QSize(28, 28);
}

void FXMainTemplateButton::setAlpha(qreal alpha)
{
    m_alpha = alpha;
    update();
}

void FXMainTemplateButton::animateAlpha(qreal alpha)
{
    m_fade->stop();
    m_fade->setStartValue(m_alpha);
    m_fade->setEndValue(alpha);
    m_fade->start();
}

void FXMainTemplateButton::enterEvent(QEnterEvent *event)
{
    QToolButton::enterEvent(event);
    if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        animateAlpha(1.0);
}

void FXMainTemplateButton::leaveEvent(QEvent *event)
{
    QToolButton::leaveEvent(event);
    animateAlpha(0.6);
}

void FXMainTemplateButton::focusInEvent(QFocusEvent *event)
{
    QToolButton::focusInEvent(event);
    m_keyboardFocus = event->reason() == Qt::TabFocusReason
                      || event->reason() == Qt::BacktabFocusReason
                      || event->reason() == Qt::ShortcutFocusReason;
    update();
}

void FXMainTemplateButton::focusOutEvent(QFocusEvent *event)
{
    QToolButton::focusOutEvent(event);
    m_keyboardFocus = false;
    update();
}

QPixmap FXMainTemplateButton::silhouette(bool pressed)
{
    const qreal scale = devicePixelRatioF();
    QPixmap &made = m_silhouettes[pressed ? 1 : 0];
    if (!made.isNull() && made.devicePixelRatio() == scale)
        return made;
    const int pixels = qRound(ImageSize * scale);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(m_imagePath).render(&painter, QRectF(0, 0, pixels, pixels));
    // The grey takes the colour of every painted pixel and leaves its transparency as it was.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    const int white = pressed ? 77 : 102;
    painter.fillRect(image.rect(), QColor(white, white, white));
    painter.end();
    made = QPixmap::fromImage(image);
    made.setDevicePixelRatio(scale);
    return made;
}

void FXMainTemplateButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_keyboardFocus && hasFocus()) {
        painter.setPen(QPen(QColor(88, 160, 92), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 5, 5);
    }
    painter.setOpacity(isEnabled() ? (m_keyboardFocus && hasFocus() ? 1.0 : m_alpha) : 0.3);
    const QRect image((width() - ImageSize) / 2, (height() - ImageSize) / 2, ImageSize, ImageSize);
    painter.drawPixmap(image, silhouette(isDown()));
}
