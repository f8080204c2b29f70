#pragma once

#include <QAbstractButton>

// One of the converter window's own close, minimise and zoom buttons, drawn as a small coloured
// disc (grey while the window is not active) that shows its symbol while the mouse is over the
// group of buttons.
class FXWindowButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Kind { Close, Minimize, Zoom };

    FXWindowButton(Kind kind, const QString &accessibleName, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Set by the title area while the mouse is over any of its window buttons.
    void setShowsSymbol(bool showsSymbol);

    QSize sizeHint() const override { return QSize(12, 12); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    bool m_showsSymbol = false;
};
