#include "FXFlagCache.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>

namespace {

QImage renderFlag(const QString &path, int size, qreal scale)
{
    const int pixels = qCeil(size * scale);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(0, 0, pixels, pixels);
    const qreal radius = pixels * 0.16;
    QPainterPath outline;
    outline.addRoundedRect(square, radius, radius);
    painter.setClipPath(outline);
    renderer.render(&painter, square);
    painter.setClipping(false);
    // A faint edge, so that white flags (Japan's) stand apart from a white row.
    const qreal edge = qMax(1.0, pixels / 40.0);
    painter.setPen(QPen(QColor(0, 0, 0, 36), edge));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = square.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter.drawRoundedRect(inner, radius - edge / 2, radius - edge / 2);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

}

FXFlagCache::FXFlagCache(FXFlagCatalogue catalogue, QObject *parent)
    : QObject(parent)
    , m_catalogue(std::move(catalogue))
{
    // One core for rendering leaves the other to the window.
    m_renderers.setMaxThreadCount(qMax(1, QThread::idealThreadCount() / 2));
}

FXFlagCache::~FXFlagCache()
{
    m_renderers.clear();
    m_renderers.waitForDone();
}

QPixmap FXFlagCache::flag(const QString &currency, int size, qreal scale)
{
    const Key key{m_catalogue.imagePathForCurrency(currency), size, scale};
    const auto found = m_flags.constFind(key);
    if (found != m_flags.cend())
        return *found;
    if (!m_pending.contains(key)) {
        m_pending.insert(key);
        m_renderers.start([this, key] {
            const QImage image = renderFlag(key.path, key.size, key.scale);
            QMetaObject::invokeMethod(this, [this, key, image] { didRender(key, image); },
                                      Qt::QueuedConnection);
        }, ++m_nextPriority);
    }
    return QPixmap();
}

void FXFlagCache::didRender(const Key &key, const QImage &image)
{
    m_pending.remove(key);
    m_flags.insert(key, QPixmap::fromImage(image));
    if (m_announcing)
        return;
    m_announcing = true;
    QMetaObject::invokeMethod(this, [this] {
        m_announcing = false;
        emit flagsRendered();
    }, Qt::QueuedConnection);
}
