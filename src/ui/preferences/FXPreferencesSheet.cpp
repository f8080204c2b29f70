#include "FXPreferencesSheet.h"

#include "FXLocalizedString.h"
#include "FXPreferencesLabels.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QPushButton *FXPreferencesSheet::layOut(std::initializer_list<QWidget *> above, QWidget *list,
                                       const QString &acceptTitle)
{
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *accept = buttons->addButton(acceptTitle, QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    buttons->addButton(FXLocalizedString::text("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    for (QWidget *widget : above)
        layout->addWidget(widget);
    layout->addWidget(list, 1);
    layout->addWidget(m_failure);
    layout->addWidget(buttons);
    return accept;
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
