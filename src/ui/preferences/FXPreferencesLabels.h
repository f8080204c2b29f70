#pragma once

#include <QLabel>

// A quieter line of text that explains a control beside it.
class FXNoteLabel : public QLabel {
    Q_OBJECT

public:
    explicit FXNoteLabel(const QString &text, QWidget *parent = nullptr);
};

// Tells, in a warning colour, why a change the user made could not be saved; hidden while there
// is nothing to tell. Screen readers are told when it appears.
class FXFailureLabel : public QLabel {
    Q_OBJECT

public:
    explicit FXFailureLabel(QWidget *parent = nullptr);

    // The core's reason; empty hides the line.
    void setFailureReason(const QString &reason);
};
