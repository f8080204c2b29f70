#pragma once

#include "FXFeedbackMessage.h"

#include <QDialog>

class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The feedback form: name, e-mail address (hidden, optional or required) and message. Send checks
// the message and hands it on with sendRequested(); whoever keeps it tells the form when it is done.
class FXFeedbackWindow : public QDialog {
    Q_OBJECT

public:
    explicit FXFeedbackWindow(QWidget *parent = nullptr);

    void setRequireUserEmail(FXFeedbackUserEmail requirement);
    // Tells, before anything is written, where the message will go.
    void setDestination(const QString &destination);

    QLineEdit *nameField() const { return m_name; }
    QLineEdit *emailField() const { return m_email; }
    QPlainTextEdit *messageField() const { return m_message; }
    QPushButton *sendButton() const { return m_send; }
    // Tells what keeps the message from being sent; empty while nothing does.
    QLabel *problemLabel() const { return m_problem; }

    // While a message is being kept and posted, the form waits.
    void setSending(bool sending);
    void showProblem(const QString &problem);

signals:
    void sendRequested(const FXFeedbackMessage &message);

private:
    void send();

    FXFeedbackUserEmail m_requirement = FXFeedbackUserEmail::Optional;
    QFormLayout *m_form;
    QLineEdit *m_name;
    QLineEdit *m_email;
    QPlainTextEdit *m_message;
    QLabel *m_destination;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
    QPushButton *m_send;
};
