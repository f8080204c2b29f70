#pragma once

#include <QWidget>

// The converter window's bottom bar: the window's background colour with one hairline along its top
// edge. It holds the refresh and reset buttons, the status line and the menu button.
class FXToolbarView : public QWidget {
    Q_OBJECT

public:
    explicit FXToolbarView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
