#pragma once

#include <QColor>
#include <QIconEngine>
#include <QString>

// A toolbar image drawn from a black silhouette (an SVG resource) in the colour of the window's
// text, so that it reads on light and dark themes alike, sharp at every scale; dimmed when its
// action is disabled.
class FXTemplateIconEngine : public QIconEngine {
public:
    FXTemplateIconEngine(QString path, QColor colour);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    QString m_path;
    QColor m_colour;
};
