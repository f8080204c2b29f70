#include "FXRateEntries.h"

#include "FXLocalizedString.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const QString FromBaseKey = QStringLiteral("from_base");
const QString ToBaseKey = QStringLiteral("to_base");

// Servers write the second rate rounded to their precision; the seed is far closer.
constexpr double ReciprocalTolerance = 0.001;

std::optional<double> rateValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toDouble();
    case QMetaType::QString:
        return FXRate::plainDecimal(value.toString());
    default:
        return std::nullopt;
    }
}

}

bool FXRate::isUsable() const
{
    return std::isnormal(fromBase) && std::isnormal(toBase) && fromBase > 0.0 && toBase > 0.0
           && std::abs(fromBase * toBase - 1.0) <= ReciprocalTolerance;
}

std::optional<FXRate> FXRate::fromEntry(const QVariant &entry)
{
    const QVariantMap rates = entry.toMap();
    const auto fromBase = rateValue(rates.value(FromBaseKey));
    const auto toBase = rateValue(rates.value(ToBaseKey));
    if (!fromBase || !toBase)
        return std::nullopt;
    const FXRate rate{*fromBase, *toBase};
    return rate.isUsable() ? std::optional(rate) : std::nullopt;
}

std::optional<double> FXRate::plainDecimal(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    const qsizetype digitCount = text.size() - (point < 0 ? 0 : 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != point && (text[i] < u'0' || text[i] > u'9'))
            return std::nullopt;
    }
    if (digitCount == 0)
        return std::nullopt;
    const QByteArray digits = text.toLatin1();
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    if (error != std::errc() || end != digits.cend())
        return std::nullopt;
    return value;
}

namespace FXRateEntries {

bool isCurrencyCode(const QString &code)
{
    return code.size() == 3
           && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

Read read(const QVariantMap &entries)
{
    Read result;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const auto rate = isCurrencyCode(it.key()) ? FXRate::fromEntry(it.value()) : std::nullopt;
        if (rate)
            result.rates.insert(it.key(), *rate);
        else
            result.refusedCodes.append(it.key());
    }
    return result;
}

QVariantMap write(const FXRateMap &rates)
{
    QVariantMap entries;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        entries.insert(it.key(), QVariantMap{{FromBaseKey, it->fromBase}, {ToBaseKey, it->toBase}});
    return entries;
}

std::optional<Read> readAnswer(const QByteArray &body, QString *failureReason)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    QString failure;
    if (error.error != QJsonParseError::NoError)
        failure = FXLocalizedString::format("the answer is not JSON: %@", error.errorString());
    else if (!json.isObject())
        failure = FXLocalizedString::text("the answer is not a JSON object of rates");
    if (failure.isEmpty())
        return read(json.object().toVariantMap());
    if (failureReason)
        *failureReason = failure;
    return std::nullopt;
}

QByteArray writeAnswer(const FXRateMap &rates)
{
    return QJsonDocument(QJsonObject::fromVariantMap(write(rates))).toJson(QJsonDocument::Compact);
}

}
