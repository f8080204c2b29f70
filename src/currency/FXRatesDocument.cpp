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

}

bool FXRate::isUsable() const
{
    return std::isfinite(fromBase) && std::isfinite(toBase) && fromBase > 0.0 && toBase > 0.0;
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

FXServerRates FXRatesDocument::fromServerResponse(const QByteArray &body, const QDateTime &date,
                                                  const FXRatesDocument *inForce)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, FXLocalizedString::format("the answer is not JSON: %@", error.errorString())};
    if (!json.isObject())
        return {std::nullopt, FXLocalizedString::text("the answer is not a JSON object of rates")};

    FXRatesDocument answer;
    answer.readRates(json.object().toVariantMap());
    FXRatesDocument document;
    document.m_date = date;
    for (auto it = answer.m_rates.cbegin(); it != answer.m_rates.cend(); ++it) {
        if (isCurrencyCode(it.key()) && it->isUsable())
            document.m_rates.insert(it.key(), *it);
    }
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
    return document;
}

QByteArray FXRatesDocument::compactForm() const
{
    QByteArray bytes;
    const auto append = [&bytes](auto number) {
        const auto littleEndian = qToLittleEndian(number);
        bytes.append(reinterpret_cast<const char *>(&littleEndian), sizeof(littleEndian));
    };
    bytes.reserve(16 + m_rates.size() * 24);
    append(quint8(m_date.isValid()));
    append(qint64(m_date.isValid() ? m_date.toMSecsSinceEpoch() : 0));
    append(quint32(m_rates.size()));
    for (auto it = m_rates.cbegin(); it != m_rates.cend(); ++it) {
        append(quint32(it.key().size()));
        for (QChar unit : it.key())
            append(quint16(unit.unicode()));
        append(std::bit_cast<quint64>(it->fromBase));
        append(std::bit_cast<quint64>(it->toBase));
    }
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
    const bool dated = take(quint8()) != 0;
    const qint64 date = take(qint64());
    if (dated)
        document.m_date = QDateTime::fromMSecsSinceEpoch(date, QTimeZone::utc());
    const quint32 count = take(quint32());
    document.m_rates.reserve(qsizetype(std::min<quint32>(count, 1024)));
    for (quint32 i = 0; i < count && whole; ++i) {
        const quint32 length = take(quint32());
        if (length > quint32(bytes.size()))
            return std::nullopt;
        QString code(qsizetype(length), Qt::Uninitialized);
        for (QChar &unit : code)
            unit = QChar(take(quint16()));
        const double fromBase = std::bit_cast<double>(take(quint64()));
        const double toBase = std::bit_cast<double>(take(quint64()));
        document.m_rates.insert(code, FXRate{fromBase, toBase});
    }
    if (!whole || !bytes.isEmpty())
        return std::nullopt;
    return document;
}
