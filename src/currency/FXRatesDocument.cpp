#include "FXRatesDocument.h"

#include "FXLocalizedString.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace {

const QString CurrencyRatesKey = QStringLiteral("CurrencyRates");
const QString DateKey = QStringLiteral("Date");
const QString RatesDateKey = QStringLiteral("RatesDate");
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

FXRatesDocument::FXRatesDocument(const QVariantMap &propertyList)
    : m_date(propertyList.value(DateKey).toDateTime())
    , m_ratesDate(propertyList.value(RatesDateKey).toDateTime())
{
    const QVariantMap rates = propertyList.value(CurrencyRatesKey).toMap();
    m_rates.reserve(rates.size());
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        const auto rate = isCurrencyCode(it.key()) ? FXRate::fromEntry(it.value()) : std::nullopt;
        if (rate)
            m_rates.insert(it.key(), *rate);
        else
            m_refusedCodes.append(it.key());
    }
}

void FXRatesDocument::takeRefusedRatesFrom(const FXRatesDocument &fallback)
{
    for (const QString &code : std::as_const(m_refusedCodes)) {
        if (fallback.contains(code))
            m_rates.insert(code, fallback.rate(code));
    }
}

FXServerRates FXRatesDocument::fromServerResponse(const QByteArray &body, const QDateTime &date,
                                                  const QDateTime &ratesDate,
                                                  const FXRatesDocument *inForce)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, FXLocalizedString::format("the answer is not JSON: %@", error.errorString())};
    if (!json.isObject())
        return {std::nullopt, FXLocalizedString::text("the answer is not a JSON object of rates")};

    FXRatesDocument document(QVariantMap{{CurrencyRatesKey, json.object().toVariantMap()}});
    document.m_date = date;
    document.m_ratesDate = ratesDate;
    document.m_refusedCodes.clear();   // they keep their last known rates below
    if (document.m_rates.isEmpty())
        return {std::nullopt, FXLocalizedString::text("the answer holds no usable rate")};
    if (inForce) {
        for (auto it = inForce->m_rates.cbegin(); it != inForce->m_rates.cend(); ++it) {
            if (!document.m_rates.contains(it.key()))
                document.m_rates.insert(it.key(), *it);
        }
    }
    return {std::move(document), QString()};
}

bool FXRatesDocument::isCurrencyCode(const QString &code)
{
    return code.size() == 3
           && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

bool FXRatesDocument::isUsable() const
{
    return rate(QStringLiteral("USD")).isUsable();
}

QVariantMap FXRatesDocument::propertyList() const
{
    QVariantMap rates;
    for (auto it = m_rates.cbegin(); it != m_rates.cend(); ++it)
        rates.insert(it.key(), QVariantMap{{FromBaseKey, it->fromBase}, {ToBaseKey, it->toBase}});
    QVariantMap document{{CurrencyRatesKey, rates}};
    if (m_date.isValid())
        document.insert(DateKey, m_date);
    if (m_ratesDate.isValid())
        document.insert(RatesDateKey, m_ratesDate);
    return document;
}

QByteArray FXRatesDocument::compactForm() const
{
    QByteArray bytes;
    const auto append = [&bytes](auto number) {
        const auto littleEndian = qToLittleEndian(number);
        bytes.append(reinterpret_cast<const char *>(&littleEndian), sizeof(littleEndian));
    };
    bytes.reserve(32 + m_rates.size() * 24);
    for (const QDateTime &date : {m_date, m_ratesDate}) {
        append(quint8(date.isValid()));
        append(qint64(date.isValid() ? date.toMSecsSinceEpoch() : 0));
    }
    append(quint32(m_rates.size()));
    const auto appendText = [&](const QString &text) {
        append(quint32(text.size()));
        for (QChar unit : text)
            append(quint16(unit.unicode()));
    };
    for (auto it = m_rates.cbegin(); it != m_rates.cend(); ++it) {
        appendText(it.key());
        append(std::bit_cast<quint64>(it->fromBase));
        append(std::bit_cast<quint64>(it->toBase));
    }
    append(quint32(m_refusedCodes.size()));
    for (const QString &code : m_refusedCodes)
        appendText(code);
    return bytes;
}

std::optional<FXRatesDocument> FXRatesDocument::fromCompactForm(QByteArrayView bytes)
{
    bool whole = true;
    const auto take = [&]<typename Number>(Number) {
        if (!whole || bytes.size() < qsizetype(sizeof(Number))) {
            whole = false;
            return Number{};
        }
        const Number number = qFromLittleEndian<Number>(bytes.data());
        bytes = bytes.sliced(sizeof(Number));
        return number;
    };
    FXRatesDocument document;
    for (QDateTime *date : {&document.m_date, &document.m_ratesDate}) {
        const bool dated = take(quint8()) != 0;
        const qint64 milliseconds = take(qint64());
        if (dated)
            *date = QDateTime::fromMSecsSinceEpoch(milliseconds, QTimeZone::utc());
    }
    const auto takeText = [&]() -> std::optional<QString> {
        const quint32 length = take(quint32());
        if (length > quint32(bytes.size()))
            return std::nullopt;
        QString text(qsizetype(length), Qt::Uninitialized);
        for (QChar &unit : text)
            unit = QChar(take(quint16()));
        return text;
    };
    const quint32 count = take(quint32());
    document.m_rates.reserve(qsizetype(std::min<quint32>(count, 1024)));
    for (quint32 i = 0; i < count && whole; ++i) {
        const std::optional<QString> code = takeText();
        if (!code)
            return std::nullopt;
        const double fromBase = std::bit_cast<double>(take(quint64()));
        const double toBase = std::bit_cast<double>(take(quint64()));
        document.m_rates.insert(*code, FXRate{fromBase, toBase});
    }
    const quint32 refusedCount = take(quint32());
    for (quint32 i = 0; i < refusedCount && whole; ++i) {
        const std::optional<QString> code = takeText();
        if (!code)
            return std::nullopt;
        document.m_refusedCodes.append(*code);
    }
    if (!whole || !bytes.isEmpty())
        return std::nullopt;
    return document;
}
