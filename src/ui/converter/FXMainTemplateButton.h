#pragma once

#include <QPixmap>
#include <QToolButton>

class QPropertyAnimation;

// An image button of the converter window's toolbar: its image drawn as a grey silhouette, at 60 %
// opacity at rest and fully opaque while the mouse is over it (both animated), darker while it is
// pressed. No bezel; a ring shows the keyboard's focus.
class FXMainTemplateButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(qreal alpha READ alpha WRITE setAlpha)

public:
    // `imagePath`: an SVG image whose painted pixels make the silhouette.
    FXMainTemplateButton(const QString &imagePath, const QString &accessibleName,
                         QWidget *parent = nullptr);

    qreal alpha() const { return m_alpha; }
    void setAlpha(qreal alpha);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void animateAlpha(qreal alpha);
    QPixmap silhouette(bool pressed);

    QString m_imagePath;
    qreal m_alpha = 0.6;
    bool m_keyboardFocus = false;
    QPropertyAnimation *m_fade;
    QPixmap m_silhouettes[2];   // at rest, pressed; for the scale they were made for
};
