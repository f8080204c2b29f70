#pragma once

#include "FXConverterServices.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class FXMainViewController;
class FXTitleView;
class FXWindowButton;

// The converter window. It has no system title bar: its own close, minimise and zoom buttons stand
// at fixed places of its title area, and it moves when its background is dragged. It remembers its
// frame under "MainWindow" in the window's own store, and brings it back onto a screen that exists;
// closing it ends the application (whoever made it listens to windowWillClose()).
class FXMainWindowController : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 340;

    explicit FXMainWindowController(const FXConverterServices &services, QWidget *parent = nullptr);

    FXMainViewController *contentViewController() const { return m_content; }
    FXWindowButton *closeButton() const { return m_close; }
    FXWindowButton *minimizeButton() const { return m_minimize; }
    FXWindowButton *zoomButton() const { return m_zoom; }

    // Puts the window buttons at x 10, 30 and 50 of the title area.
    void fixTrafficLights();
    void saveFrame();
    // The frame saved under "MainWindow", none before the first save.
    std::optional<QRect> savedFrame() const;

signals:
    void windowWillClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowDidLoad();
    void restoreFrame();
    // Lets a press on `area` drag the window.
    void dragsWindow(QWidget *area);

    const FXConverterServices &m_services;
    FXTitleView *m_titleView;
    FXWindowButton *m_close;
    FXWindowButton *m_minimize;
    FXWindowButton *m_zoom;
    FXMainViewController *m_content;
    std::optional<QPoint> m_dragOffset;   // while dragged by hand, where the mouse holds it
};
