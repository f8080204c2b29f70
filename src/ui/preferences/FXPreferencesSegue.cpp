#include "FXPreferencesSegue.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QVariantAnimation>

FXPreferencesSegue::FXPreferencesSegue(QMainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_resize(new QVariantAnimation(this))
{
    m_resize->setDuration(DurationMilliseconds);
    m_resize->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_resize, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &size) { m_window.resize(size.toSize()); });
    connect(m_resize, &QVariantAnimation::finished, this, &FXPreferencesSegue::showDestination);
}

bool FXPreferencesSegue::isRunning() const
{
    return m_resize->state() == QAbstractAnimation::Running;
}

void FXPreferencesSegue::perform(QWidget *pane, QAction *item)
{
    m_resize->stop();
    // A pane that was still waiting to show is not shown any more.
    delete m_destination;
    m_destination = pane;
    m_item = item;
    if (!m_window.isVisible()) {
        // The first pane: the window takes its size before it shows.
        showDestination();
        m_window.adjustSize();
        return;
    }

    // What the window adds around its pane: the toolbar.
    const QSize chrome = m_window.size() - m_window.centralWidget()->size();
    // The shown pane goes first: the window resizes empty.
    auto *empty = new QWidget;
    delete m_window.takeCentralWidget();
    m_window.setCentralWidget(empty);

    pane->setParent(&m_window);
    pane->hide();
    if (QLayout *layout = pane->layout())
        layout->activate();
    const QSize fitted = pane->sizeHint().expandedTo(pane->minimumSizeHint()) + chrome;
    // The window's top-left corner stays where it is: it grows or shrinks to the right and down.
    m_resize->setStartValue(m_window.size());
    m_resize->setEndValue(fitted);
    m_resize->start();
}

void FXPreferencesSegue::showDestination()
{
    if (!m_destination)
        return;
    QWidget *pane = m_destination;
    m_destination = nullptr;
    delete m_window.takeCentralWidget();
    m_window.setCentralWidget(pane);
    pane->show();
    if (m_item)
        m_item->setChecked(true);
    // Each pane hands the keyboard to its first control.
    pane->setFocus(Qt::OtherFocusReason);
    emit finished();
}
