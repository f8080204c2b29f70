#include "FXHistoryAnswer.h"

#include "FXLocalizedString.h"
#include "FXRateEntries.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

std::optional<double> rateValue(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    if (value.isString())
        return FXRate::plainDecimal(value.toString());
    return std::nullopt;
}

}

FXHistoryAnswer FXHistoryAnswer::read(const QByteArray &body, const QStringList &asked, QDate from,
                                      QDate to)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, FXLocalizedString::format("the answer is not JSON: %@", error.errorString())};

    QJsonArray members;
    if (json.isArray()) {
        members = json.array();
    } else if (json.object().contains(u"currency")) {
        members.append(json.object());
    } else {
        for (const QJsonValue &member : json.object())
            members.append(member);
    }
    FXHistoryAnswer answer;
    bool anyMember = false;
    for (const QJsonValue &value : std::as_const(members)) {
        const QJsonObject member = value.toObject();
        const QString currency = member.value(u"currency").toString();
        const QString base = member.value(u"base").toString(QStringLiteral("USD"));
        if (!asked.contains(currency) || base != u"USD" || !member.value(u"rates").isArray())
            continue;
        anyMember = true;
        FXRateSeries &series = answer.series[currency];
        for (const QJsonValue &entry : member.value(u"rates").toArray()) {
            const QJsonArray pair = entry.toArray();
            const QDate day = QDate::fromString(pair.at(0).toString(), Qt::ISODate);
            const std::optional<double> rate = rateValue(pair.at(1));
            if (pair.size() == 2 && day.isValid() && day >= from && day <= to && rate)
                series.append({day, *rate});
        }
        std::sort(series.begin(), series.end(),
                  [](const FXDayRate &a, const FXDayRate &b) { return a.day < b.day; });
    }
    if (!anyMember)
        return {{}, FXLocalizedString::text("the answer holds no history of the currencies asked for")};
    return answer;
}
