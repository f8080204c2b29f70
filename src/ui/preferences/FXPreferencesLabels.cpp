#include "FXPreferencesLabels.h"

#include "FXLocalizedString.h"

#include <QAccessible>

FXNoteLabel::FXNoteLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    QPalette quiet = palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    setPalette(quiet);
}

FXFailureLabel::FXFailureLabel(QWidget *parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette alarming = palette();
    alarming.setColor(QPalette::WindowText, QColor(190, 30, 30));
    setPalette(alarming);
    hide();
}

void FXFailureLabel::setFailureReason(const QString &reason)
{
    setText(reason.isEmpty() ? QString()
                             : FXLocalizedString::format("The change could not be saved: %@", reason));
    setVisible(!reason.isEmpty());
    if (!reason.isEmpty()) {
        QAccessibleEvent shown(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&shown);
    }
}
