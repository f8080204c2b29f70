#include "FXRateMap.h"

#include <algorithm>
#include <cmath>

namespace {

const QString FromBaseKey = QStringLiteral("from_base");
const QString ToBaseKey = QStringLiteral("to_base");

bool isCapitalAsciiLetter(QChar character)
{
    return character >= u'A' && character <= u'Z';
}

bool isPositiveAndFinite(double value)
{
    return std::isfinite(value) && value > 0.0;
}

}

namespace FXRates {

bool isServable(const QString &code, const FXRatePair &rate)
{
    return code.size() == 3 && std::all_of(code.cbegin(), code.cend(), isCapitalAsciiLetter)
           && isWithinBounds(rate.fromBase) && isPositiveAndFinite(rate.toBase);
}

bool isWithinBounds(double fromBase)
{
    return fromBase >= smallestFromBase && fromBase <= largestFromBase;
}

FXRatePair fromBase(double fromBase)
{
    return {fromBase, 1.0 / fromBase};
}

QJsonObject toJson(const FXRateMap &rates)
{
    QJsonObject object;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        if (isServable(it.key(), it.value()))
            object.insert(it.key(), QJsonObject{{FromBaseKey, it->fromBase}, {ToBaseKey, it->toBase}});
    }
    return object;
}

FXRateMap fromJson(const QJsonObject &object)
{
    FXRateMap rates;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QJsonObject entry = it->toObject();
        const QJsonValue fromBase = entry.value(FromBaseKey);
        const QJsonValue toBase = entry.value(ToBaseKey);
        if (!fromBase.isDouble() || !toBase.isDouble())
            continue;
        const FXRatePair rate{fromBase.toDouble(), toBase.toDouble()};
        if (isServable(it.key(), rate))
            rates.insert(it.key(), rate);
    }
    return rates;
}

}

FXReadResult FXReadResult::success(FXDatedRates rates)
{
    FXReadResult result;
    result.m_rates = std::move(rates);
    return result;
}

FXReadResult FXReadResult::failure(QString reason)
{
    FXReadResult result;
    result.m_failureReason = std::move(reason);
    return result;
}
