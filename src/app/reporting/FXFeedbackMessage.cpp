#include "FXFeedbackMessage.h"

#include "FXLocalizedString.h"

#include <QJsonDocument>
#include <QJsonObject>

std::optional<FXFeedbackProblem> FXFeedbackMessage::problem(FXFeedbackUserEmail requirement) const
{
    const QString address = email.trimmed();
    if (requirement == FXFeedbackUserEmail::Required && address.isEmpty())
        return FXFeedbackProblem{FXFeedbackProblem::Field::Email,
                                 FXLocalizedString::text("Please enter your e-mail address.")};
    if (requirement != FXFeedbackUserEmail::DontShow && !address.isEmpty()) {
        const qsizetype at = address.indexOf(u'@');
        if (at <= 0 || at == address.size() - 1 || address.contains(u' '))
            return FXFeedbackProblem{FXFeedbackProblem::Field::Email,
                                     FXLocalizedString::text("This e-mail address is not complete.")};
    }
    if (text.trimmed().isEmpty())
        return FXFeedbackProblem{FXFeedbackProblem::Field::Message,
                                 FXLocalizedString::text("Please write a message.")};
    return std::nullopt;
}

QByteArray FXFeedbackMessage::json(const QString &identifier, const QString &version,
                                   const QDateTime &time) const
{
    return QJsonDocument(QJsonObject{
                             {QStringLiteral("identifier"), identifier},
                             {QStringLiteral("version"), version},
                             {QStringLiteral("time"), time.toUTC().toString(Qt::ISODate)},
                             {QStringLiteral("name"), name.trimmed()},
                             {QStringLiteral("email"), email.trimmed()},
                             {QStringLiteral("message"), text},
                         })
        .toJson();
}
