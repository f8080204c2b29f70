#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QAction;
class QMainWindow;
class QVariantAnimation;
class QWidget;

// The switch from one preference pane to another: the shown pane goes at once, the window then
// grows or shrinks to the new pane's size while empty, keeping its top-left corner where it is,
// and only then the new pane shows and its toolbar item is selected. A switch asked for while one
// runs takes over from the size reached.
class FXPreferencesSegue : public QObject {
    Q_OBJECT

public:
    // The resize takes this long: a window's animated frame change.
    static constexpr int DurationMilliseconds = 200;

    // Switches the panes of `window`, whose central widget is the pane shown.
    explicit FXPreferencesSegue(QMainWindow &window);

    // Shows `pane` (taking it) in the window, and selects `item` once it shows.
    void perform(QWidget *pane, QAction *item);
    bool isRunning() const;

signals:
    void finished();

private:
    void showDestination();

    QMainWindow &m_window;
    QVariantAnimation *m_resize;
    QPointer<QWidget> m_destination;
    QPointer<QAction> m_item;
};
