#include "FXPreferencesWindowController.h"

#include "FXCurrencyPreferencesViewController.h"
#include "FXGeneralPreferencesViewController.h"
#include "FXLocalizedString.h"
#include "FXPreferencesSegue.h"
#include "FXTemplateIconEngine.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>

FXPreferencesWindowController::FXPreferencesWindowController(const FXPreferencesServices &services,
                                                             QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , m_services(services)
    , m_toolbar(new QToolBar(FXLocalizedString::text("Panes"), this))
    , m_panes(new QActionGroup(this))
    , m_segue(new FXPreferencesSegue(*this))
{
    setWindowTitle(FXLocalizedString::text("Preferences"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->toggleViewAction()->setVisible(false);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setAccessibleName(FXLocalizedString::text("Panes"));
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    m_panes->setExclusive(true);
    m_general = addPane(GeneralIdentifier, FXLocalizedString::text("General"),
                        QStringLiteral(":/icons/general.svg"), QKeySequence(Qt::CTRL | Qt::Key_1));
    m_currencies = addPane(CurrenciesIdentifier, FXLocalizedString::text("Currencies"),
                           QStringLiteral(":/icons/currencies.svg"),
                           QKeySequence(Qt::CTRL | Qt::Key_2));

    setCentralWidget(new QWidget);
    switchToPreferencesTab(GeneralIdentifier);
}

QAction *FXPreferencesWindowController::addPane(const QString &identifier, const QString &title,
                                                const QString &icon, const QKeySequence &shortcut)
{
    auto *action = new QAction(
        QIcon(new FXTemplateIconEngine(icon, palette().color(QPalette::WindowText))), title, this);
    action->setData(identifier);
    action->setCheckable(true);
    action->setShortcut(shortcut);
    action->setToolTip(title + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText)
                       + u')');
    m_panes->addAction(action);
    m_toolbar->addAction(action);
    // The panes are reached with Tab too, not only by shortcut.
    if (QWidget *button = m_toolbar->widgetForAction(action)) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(title);
    }
    connect(action, &QAction::triggered, this,
            [this, identifier] { switchToPreferencesTab(identifier); });
    return action;
}

bool FXPreferencesWindowController::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::LayoutRequest && isVisible() && !m_segue->isRunning()) {
        if (const QWidget *pane = paneViewController()) {
            // What the window adds around its pane: the toolbar.
            const QSize chrome = size() - centralWidget()->size();
            resize(size().expandedTo(pane->sizeHint() + chrome));
        }
    }
    return handled;
}

void FXPreferencesWindowController::keyPressEvent(QKeyEvent *event)
{
    // Keys, not shortcuts: a shortcut waits for its window to be the active one, which without a
    // window manager's help the preferences may not be while their keys reach them all the same.
    // Ctrl+W by name, as QKeySequence::Close is Ctrl+F4 on some desktops.
    if (event->matches(QKeySequence::Cancel) || event->matches(QKeySequence::Close)
        || event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_W)) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QString FXPreferencesWindowController::selectedItemIdentifier() const
{
    const QAction *checked = m_panes->checkedAction();
    return checked ? checked->data().toString() : QString();
}

QWidget *FXPreferencesWindowController::paneViewController() const
{
    QWidget *shown = centralWidget();
    return shown && !shown->objectName().isEmpty() ? shown : nullptr;
}

void FXPreferencesWindowController::switchToPreferencesTab(const QString &identifier)
{
    const QWidget *shown = paneViewController();
    if (shown && shown->objectName() == identifier && !m_segue->isRunning())
        return;
    QWidget *pane = nullptr;
    QAction *item = nullptr;
    if (identifier == CurrenciesIdentifier) {
        pane = new FXCurrencyPreferencesViewController(m_services);
        item = m_currencies;
    } else {
        pane = new FXGeneralPreferencesViewController(m_services);
        item = m_general;
    }
    m_segue->perform(pane, item);
}
