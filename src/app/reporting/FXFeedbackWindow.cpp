#include "FXFeedbackWindow.h"

#include "FXLocalizedString.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FXFeedbackWindow::FXFeedbackWindow(QWidget *parent)
    : QDialog(parent)
    , m_form(new QFormLayout)
    , m_name(new QLineEdit(this))
    , m_email(new QLineEdit(this))
    , m_message(new QPlainTextEdit(this))
    , m_destination(new QLabel(this))
    , m_problem(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
    , m_send(m_buttons->addButton(FXLocalizedString::text("Send"), QDialogButtonBox::AcceptRole))
{
    setWindowTitle(FXLocalizedString::text("Send Feedback"));
    auto *intro = new QLabel(FXLocalizedString::text("FeedbackIntroduction"), this);
    intro->setWordWrap(true);
    m_destination->setWordWrap(true);
    m_destination->setTextFormat(Qt::PlainText);
    m_name->setAccessibleName(FXLocalizedString::text("Name"));
    m_email->setAccessibleName(FXLocalizedString::text("E-mail"));
    m_message->setAccessibleName(FXLocalizedString::text("Message"));
    m_message->setTabChangesFocus(true);
    m_message->setMinimumSize(360, 160);
    m_form->addRow(FXLocalizedString::text("Name:"), m_name);
    m_form->addRow(FXLocalizedString::text("E-mail:"), m_email);
    m_form->addRow(FXLocalizedString::text("Message:"), m_message);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b3261e"));
    m_problem->hide();
    m_send->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_destination);
    layout->addLayout(m_form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &FXFeedbackWindow::send);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setRequireUserEmail(m_requirement);
}

void FXFeedbackWindow::setRequireUserEmail(FXFeedbackUserEmail requirement)
{
    m_requirement = requirement;
    m_form->setRowVisible(m_email, requirement != FXFeedbackUserEmail::DontShow);
    m_email->setPlaceholderText(requirement == FXFeedbackUserEmail::Required
                                    ? FXLocalizedString::text("Required")
                                    : FXLocalizedString::text("Optional"));
}

void FXFeedbackWindow::setDestination(const QString &destination)
{
    m_destination->setText(destination);
    // Read again where the message is written, for those who start there.
    m_message->setAccessibleDescription(destination);
}

void FXFeedbackWindow::setSending(bool sending)
{
    m_send->setEnabled(!sending);
    for (QWidget *field : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_email),
                           static_cast<QWidget *>(m_message)})
        field->setEnabled(!sending);
    m_problem->setVisible(sending);
    m_problem->setStyleSheet(QString());
    m_problem->setText(sending ? FXLocalizedString::text("Sending…") : QString());
}

void FXFeedbackWindow::showProblem(const QString &problem)
{
    m_problem->setStyleSheet(QStringLiteral("color: #b3261e"));
    m_problem->setText(problem);
    m_problem->show();
}

void FXFeedbackWindow::send()
{
    const FXFeedbackMessage message{
        .name = m_name->text(),
        .email = m_requirement == FXFeedbackUserEmail::DontShow ? QString() : m_email->text(),
        .text = m_message->toPlainText(),
    };
    if (const std::optional<FXFeedbackProblem> problem = message.problem(m_requirement)) {
        showProblem(problem->text);
        // The keyboard goes where the problem is.
        if (problem->field == FXFeedbackProblem::Field::Email)
            m_email->setFocus(Qt::OtherFocusReason);
        else
            m_message->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_problem->hide();
    emit sendRequested(message);
}
