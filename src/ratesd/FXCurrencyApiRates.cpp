#include "FXCurrencyApiRates.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace FXCurrencyApiRates {

FXReadResult read(const QByteArray &json, const QSet<QString> &wantedCodes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return FXReadResult::failure(QStringLiteral("not JSON: ") + error.errorString());
    const QJsonValue dollar = document.object().value(QLatin1StringView("usd"));
    if (!dollar.isObject())
        return FXReadResult::failure(QStringLiteral("no \"usd\" table in the answer"));

    FXDatedRates result;
    const QDate date = QDate::fromString(document.object().value(QLatin1StringView("date")).toString(),
                                         Qt::ISODate);
    if (date.isValid())
        result.date = QDateTime(date, QTime(0, 0), Qt::UTC);
    const QJsonObject rates = dollar.toObject();
    for (auto it = rates.constBegin(); it != rates.constEnd(); ++it) {
        const QString code = it.key().toUpper();
        if (!wantedCodes.contains(code) || !it->isDouble())
            continue;
        const FXRatePair rate = FXRates::fromBase(it->toDouble());
        if (FXRates::isServable(code, rate))
            result.rates.insert(code, rate);
    }
    if (result.rates.isEmpty())
        return FXReadResult::failure(QStringLiteral("no usable rates in the answer"));
    return FXReadResult::success(std::move(result));
}

}
