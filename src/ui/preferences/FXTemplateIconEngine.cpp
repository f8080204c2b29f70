#include "FXTemplateIconEngine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

FXTemplateIconEngine::FXTemplateIconEngine(QString path, QColor colour)
    : m_path(std::move(path))
    , m_colour(std::move(colour))
{
}

void FXTemplateIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image(rect.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter silhouette(&image);
        QSvgRenderer(m_path).render(&silhouette);
        silhouette.setCompositionMode(QPainter::CompositionMode_SourceIn);
        QColor colour = m_colour;
        if (mode == QIcon::Disabled)
            colour.setAlphaF(0.4);
        silhouette.fillRect(image.rect(), colour);
    }
    image.setDevicePixelRatio(scale);
    painter->drawImage(rect, image);
}

QPixmap FXTemplateIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(), size), mode, state);
    return pixmap;
}

QIconEngine *FXTemplateIconEngine::clone() const
{
    return new FXTemplateIconEngine(m_path, m_colour);
}
