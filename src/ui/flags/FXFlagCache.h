#pragma once

#include "FXFlagCatalogue.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QThreadPool>

// The flags of the converter's rows as pixmaps with rounded corners, rendered from their SVG images
// the first time a size and scale is asked for, and kept. Rendering runs on threads of the cache's
// own, never on the main thread: some flags take a quarter of a second to render, which would stall
// typing and scrolling. Until a flag is ready the caller gets a null pixmap, and flagsRendered()
// tells when to ask again.
//
// One per window process, made by the application; tests make their own. Used on the main thread.
class FXFlagCache : public QObject {
    Q_OBJECT

public:
    explicit FXFlagCache(FXFlagCatalogue catalogue = FXFlagCatalogue(), QObject *parent = nullptr);
    ~FXFlagCache() override;

    // The flag of `currency`, `size` device-independent pixels square for a screen of `scale`.
    QPixmap flag(const QString &currency, int size, qreal scale);
    // Whether some asked-for flag is still being rendered.
    bool isRendering() const { return !m_pending.isEmpty(); }

signals:
    // Some flags that were asked for are ready; announced once per turn of the event loop.
    void flagsRendered();

private:
    struct Key {
        QString path;
        int size;
        qreal scale;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.path, key.size, key.scale);
        }
    };

    void didRender(const Key &key, const QImage &image);

    FXFlagCatalogue m_catalogue;
    QHash<Key, QPixmap> m_flags;
    QSet<Key> m_pending;
    QThreadPool m_renderers;
    int m_nextPriority = 0;   // the latest request first: it is the row on screen now
    bool m_announcing = false;
};
