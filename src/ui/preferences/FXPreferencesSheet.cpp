#include "FXPreferencesSheet.h"

#include "FXPreferencesLabels.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

FXPreferencesSheet::FXPreferencesSheet(const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_failure(new FXFailureLabel(this))
{
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    // The keyboard goes back to the window the sheet stood over, even where no window manager
    // hands it back.
    connect(this, &QDialog::finished, this, [this] {
        if (QWidget *over = parentWidget())
            over->window()->activateWindow();
    });
}

void FXPreferencesSheet::setSearchedList(QLineEdit *search, QAbstractItemView *list)
{
    m_search = search;
    m_list = list;
    search->setClearButtonEnabled(true);
    search->installEventFilter(this);
}

bool FXPreferencesSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
