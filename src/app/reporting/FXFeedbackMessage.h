#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// How the feedback form asks for the user's e-mail address: the values 0, 1 and 2 that
// setRequireUserEmail() takes.
enum class FXFeedbackUserEmail { DontShow = 0, Optional = 1, Required = 2 };

// What keeps a message from being sent, and the field at fault.
struct FXFeedbackProblem {
    enum class Field { Email, Message };
    Field field;
    QString text;
};

// What the user wrote into the feedback form.
struct FXFeedbackMessage {
    QString name;
    QString email;
    QString text;

    // Why the message cannot be sent as it stands (a missing or incomplete e-mail address, no
    // text), none when it can.
    std::optional<FXFeedbackProblem> problem(FXFeedbackUserEmail requirement) const;
    // The message as it is kept and posted, with what tells which program it is about.
    QByteArray json(const QString &identifier, const QString &version, const QDateTime &time) const;
};
