#include "FXRatesDocument.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>

namespace {

const QString CurrencyRatesKey = QStringLiteral("CurrencyRates");
const QString DateKey = QStringLiteral("Date");
const QString FromBaseKey = QStringLiteral("from_base");
const QString ToBaseKey = QStringLiteral("to_base");

// The number a text starts with ("1.25abc" is 1.25), whatever the process's C locale says.
double leadingNumber(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0.0;
    std::from_chars(begin, end, value);
    return value;
}

double numberValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return leadingNumber(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}

bool isUsable(const FXRate &rate)
{
    return std::isfinite(rate.fromBase) && std::isfinite(rate.toBase) && rate.fromBase > 0.0
           && rate.toBase > 0.0;
}

}

FXRatesDocument::FXRatesDocument(const QVariantMap &propertyList)
    : m_date(propertyList.value(DateKey).toDateTime())
{
    readRates(propertyList.value(CurrencyRatesKey).toMap());
}

void FXRatesDocument::readRates(const QVariantMap &rates)
{
    m_rates.reserve(rates.size());
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        const QVariantMap entry = it.value().toMap();
        m_rates.insert(it.key(), FXRate{numberValue(entry.value(FromBaseKey)),
                                        numberValue(entry.value(ToBaseKey))});
    }
}

std::optional<FXRatesDocument> FXRatesDocument::fromServerResponse(const QByteArray &body,
                                                                   const QDateTime &date)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return std::nullopt;
    FXRatesDocument document;
    document.m_date = date;
    document.readRates(json.object().toVariantMap());
    if (std::none_of(document.m_rates.cbegin(), document.m_rates.cend(), isUsable))
        return std::nullopt;
    return document;
}

QVariantMap FXRatesDocument::propertyList() const
{
    QVariantMap rates;
    for (auto it = m_rates.cbegin(); it != m_rates.cend(); ++it)
        rates.insert(it.key(), QVariantMap{{FromBaseKey, it->fromBase}, {ToBaseKey, it->toBase}});
    QVariantMap document{{CurrencyRatesKey, rates}};
    if (m_date.isValid())
        document.insert(DateKey, m_date);
    return document;
}
