#include "FXRatesDocument.h"

#include "FXLocalizedString.h"

#include <QTimeZone>
#include <QtEndian>

#include <bit>

namespace {

const QString CurrencyRatesKey = QStringLiteral("CurrencyRates");
const QString DateKey = QStringLiteral("Date");
const QString RatesDateKey = QStringLiteral("RatesDate");

}

FXRatesDocument::FXRatesDocument(const QVariantMap &propertyList)
    : m_date(propertyList.value(DateKey).toDateTime())
    , m_ratesDate(propertyList.value(RatesDateKey).toDateTime())
{
    FXRateEntries::Read entries = FXRateEntries::read(propertyList.value(CurrencyRatesKey).toMap());
    m_rates = std::move(entries.rates);
    m_refusedCodes = std::move(entries.refusedCodes);
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
    QString failure;
    std::optional<FXRateEntries::Read> answer = FXRateEntries::readAnswer(body, &failure);
    if (!answer)
        return {std::nullopt, failure};
    // The refused entries keep their last known rates below.
    FXRatesDocument document;
    document.m_rates = std::move(answer->rates);
    document.m_date = date;
    document.m_ratesDate = ratesDate;
    if (document.m_rates.isEmpty())
        return {std::nullopt, FXLocalizedString::text("the answer holds no usable rate")};
    QStringList answered = document.m_rates.keys();
    if (inForce) {
        for (auto it = inForce->m_rates.cbegin(); it != inForce->m_rates.cend(); ++it) {
            if (!document.m_rates.contains(it.key()))
                document.m_rates.insert(it.key(), *it);
        }
    }
    return {std::move(document), QString(), std::move(answered)};
}

bool FXRatesDocument::isUsable() const
{
    return rate(QStringLiteral("USD")).isUsable();
}

QVariantMap FXRatesDocument::propertyList() const
{
    QVariantMap document{{CurrencyRatesKey, FXRateEntries::write(m_rates)}};
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
