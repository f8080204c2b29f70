#include "FXMainWindowController.h"

#include "FXLocalizedString.h"
#include "FXMainViewController.h"
#include "FXStatusLine.h"
#include "FXTitleView.h"
#include "FXUserDefaults.h"
#include "FXWindowButton.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString FrameKey = QStringLiteral("MainWindow");

// The window's background; the table's rows lie on white.
const QColor WindowColour(236, 236, 236);

}

FXMainWindowController::FXMainWindowController(const FXConverterServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , m_titleView(new FXTitleView(this))
    , m_close(new FXWindowButton(FXWindowButton::Kind::Close, FXLocalizedString::text("Close"),
                                 m_titleView))
    , m_minimize(new FXWindowButton(FXWindowButton::Kind::Minimize,
                                    FXLocalizedString::text("Minimize"), m_titleView))
    , m_zoom(new FXWindowButton(FXWindowButton::Kind::Zoom, FXLocalizedString::text("Zoom"),
                                m_titleView))
    , m_content(new FXMainViewController(services, this))
{
    setWindowTitle(QStringLiteral("Cambio"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, WindowColour);
    setPalette(colours);
    setAutoFillBackground(true);

    // A hairline frame around the window: without the system's frame its edge would be lost
    // against a light desktop.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_titleView);
    layout->addWidget(m_content);
    m_content->setFixedWidth(Width - 2);

    connect(m_close, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_minimize, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    // The window fits its rows and cannot be resized, so there is nothing to zoom to.
    m_zoom->setEnabled(false);
    m_titleView->setMouseTracking(true);
    m_titleView->installEventFilter(this);
    for (FXWindowButton *button : {m_close, m_minimize, m_zoom})
        button->installEventFilter(this);
    dragsWindow(m_titleView);
    dragsWindow(m_content->statusTextField());
    dragsWindow(m_content->statusTextField()->textField());
    dragsWindow(m_content->statusTextField()->parentWidget());

    windowDidLoad();
}

void FXMainWindowController::windowDidLoad()
{
    // The keyboard starts on the table, with no amount being edited: Tab leads into the rows.
    m_content->ratesTableView()->setFocus(Qt::OtherFocusReason);
    adjustSize();
    restoreFrame();
    fixTrafficLights();
}

void FXMainWindowController::fixTrafficLights()
{
    const int y = (m_titleView->height() - m_close->height()) / 2;
    // From the leading edge: the right one in a right-to-left language.
    int x = 10;
    for (FXWindowButton *button : {m_close, m_minimize, m_zoom}) {
        button->move(QStyle::visualRect(layoutDirection(), m_titleView->rect(),
                                        QRect(QPoint(x, y), button->size()))
                         .topLeft());
        x += 20;
    }
}

std::optional<QRect> FXMainWindowController::savedFrame() const
{
    const auto frame = m_services.standardDefaults.dictionaryForKey(FrameKey);
    if (!frame)
        return std::nullopt;
    const QRect rect(frame->value(QStringLiteral("x")).toInt(),
                     frame->value(QStringLiteral("y")).toInt(),
                     frame->value(QStringLiteral("width")).toInt(),
                     frame->value(QStringLiteral("height")).toInt());
    if (rect.isEmpty())
        return std::nullopt;
    return rect;
}

void FXMainWindowController::saveFrame()
{
    const QRect frame = geometry();
    // A write waits for the disk (the store syncs it): quitting is quicker without one that
    // changes nothing.
    if (savedFrame() == frame)
        return;
    m_services.standardDefaults.setObject(QVariantMap{{QStringLiteral("x"), frame.x()},
                                                      {QStringLiteral("y"), frame.y()},
                                                      {QStringLiteral("width"), frame.width()},
                                                      {QStringLiteral("height"), frame.height()}},
                                          FrameKey);
}

void FXMainWindowController::restoreFrame()
{
    // The window's size follows its rows; the saved frame gives its place.
    QRect frame(QPoint(), size());
    QScreen *screen = QGuiApplication::primaryScreen();
    if (const auto saved = savedFrame()) {
        frame.moveTopLeft(saved->topLeft());
        // The screen the window was on, if it is still there.
        if (QScreen *under = QGuiApplication::screenAt(saved->center()))
            screen = under;
    } else if (screen) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    if (screen) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(qBound(available.left(), frame.left(),
                              qMax(available.left(), available.right() - frame.width() + 1)));
        frame.moveTop(qBound(available.top(), frame.top(),
                             qMax(available.top(), available.bottom() - frame.height() + 1)));
    }
    move(frame.topLeft());
}

void FXMainWindowController::dragsWindow(QWidget *area)
{
    area->installEventFilter(this);
}

bool FXMainWindowController::eventFilter(QObject *watched, QEvent *event)
{
    // The window buttons show their symbols while the mouse is over any of them.
    const bool inTitle = watched == m_titleView || watched == m_close || watched == m_minimize
                         || watched == m_zoom;
    if (inTitle) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter
            || event->type() == QEvent::Leave || event->type() == QEvent::HoverMove) {
            const QPoint mouse = m_titleView->mapFromGlobal(QCursor::pos());
            const bool over = m_close->geometry()
                                  .united(m_zoom->geometry())
                                  .adjusted(-3, -3, 3, 3)
                                  .contains(mouse);
            for (FXWindowButton *button : {m_close, m_minimize, m_zoom})
                button->setShowsSymbol(over);
        }
    }
    auto *area = qobject_cast<QWidget *>(watched);
    if (!area || qobject_cast<FXWindowButton *>(area))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // The window manager moves the window where it can (also on Wayland); elsewhere by hand.
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragOffset) {
            move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - *m_dragOffset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragOffset) {
            m_dragOffset.reset();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FXMainWindowController::closeEvent(QCloseEvent *event)
{
    saveFrame();
    event->accept();
    emit windowWillClose();
}

void FXMainWindowController::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fixTrafficLights();
}

void FXMainWindowController::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fixTrafficLights();
}

void FXMainWindowController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fixTrafficLights();
}

void FXMainWindowController::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
