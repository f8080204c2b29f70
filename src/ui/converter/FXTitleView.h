#pragma once

#include <QWidget>

// The converter window's title area: the window's background colour with a double hairline along
// its bottom edge, a darker one at the very bottom and a fainter one just above it. It holds the
// window buttons.
class FXTitleView : public QWidget {
    Q_OBJECT

public:
    explicit FXTitleView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
