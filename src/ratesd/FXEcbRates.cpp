#include "FXEcbRates.h"

#include "FXCurrencyCodes.h"

#include <QTimeZone>

namespace {

const QString EcbNamespace = QStringLiteral("http://www.ecb.int/vocabulary/2002-08-01/eurofxref");

// The depths of the layout's elements: the envelope, its Cube, a day, a rate.
constexpr int EnvelopeDepth = 1;
constexpr int DaysDepth = 2;
constexpr int DayDepth = 3;
constexpr int RateDepth = 4;

QDateTime publicationTime(const QDate &date)
{
    return QDateTime(date, QTime(16, 0), QTimeZone("Europe/Berlin")).toUTC();
}

}

FXEcbDayReader::FXEcbDayReader(DayHandler handler)
    : m_handler(std::move(handler))
{
}

bool FXEcbDayReader::addData(const QByteArray &bytes)
{
    if (!m_failure.isEmpty())
        return false;
    m_reader.addData(bytes);
    return readTokens();
}

bool FXEcbDayReader::finish()
{
    if (!m_failure.isEmpty())
        return false;
    if (!m_reader.atEnd() || m_reader.hasError())
        return fail(QStringLiteral("not XML: ") + m_reader.errorString());
    return true;
}

bool FXEcbDayReader::readTokens()
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++m_depth;
            startElement();
            if (!m_failure.isEmpty())
                return false;
            break;
        case QXmlStreamReader::EndElement:
            if (m_depth == m_skipDepth)
                m_skipDepth = 0;
            if (m_depth == DayDepth && m_inDay) {
                m_inDay = false;
                m_handler(std::exchange(m_day, {}));
            }
            --m_depth;
            break;
        case QXmlStreamReader::Invalid:
            // The rest of the file has not come yet.
            if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                return true;
            return fail(QStringLiteral("not XML: ") + m_reader.errorString());
        default:
            break;
        }
    }
    return true;
}

void FXEcbDayReader::startElement()
{
    if (m_skipDepth != 0 || m_depth == EnvelopeDepth)
        return;
    const bool cube = m_reader.name() == u"Cube" && m_reader.namespaceUri() == EcbNamespace;
    const bool taken = cube
                       && (m_depth == DaysDepth
                           || (m_depth == DayDepth && startDay())
                           || (m_depth == RateDepth && m_inDay));
    if (taken && m_depth == RateDepth)
        readRate();
    // What a rate holds, and anything outside the layout, is not read.
    if (!taken || m_depth == RateDepth)
        m_skipDepth = m_depth;
}

bool FXEcbDayReader::startDay()
{
    if (!m_reader.attributes().hasAttribute(QLatin1StringView("time")))
        return false;
    const QString time = m_reader.attributes().value(QLatin1StringView("time")).toString();
    const QDate date = QDate::fromString(time, Qt::ISODate);
    if (!date.isValid())
        return fail(QStringLiteral("unreadable date: ") + time);
    m_day = FXEcbDay{date, {}, {}};
    m_inDay = true;
    return true;
}

void FXEcbDayReader::readRate()
{
    const QXmlStreamAttributes attributes = m_reader.attributes();
    const QString currency = attributes.value(QLatin1StringView("currency")).toString();
    bool ok = false;
    const double rate = attributes.value(QLatin1StringView("rate")).toDouble(&ok);
    if (currency.isEmpty() || !ok)
        return;
    const auto listed = m_day.perEuro.constFind(currency);
    if (listed != m_day.perEuro.cend() && *listed != rate && m_day.refusal.isEmpty()) {
        m_day.refusal = QStringLiteral("%1 listed twice on %2, at %3 and %4")
                            .arg(currency, m_day.date.toString(Qt::ISODate))
                            .arg(*listed, 0, 'g', 17).arg(rate, 0, 'g', 17);
    }
    m_day.perEuro.insert(currency, rate);
}

bool FXEcbDayReader::fail(const QString &reason)
{
    m_failure = reason;
    m_reader.raiseError(reason);
    return false;
}

namespace FXEcbRates {

FXReadResult inDollars(const FXEcbDay &day, const FXCurrencyCodes &codes)
{
    if (!day.refusal.isEmpty())
        return FXReadResult::failure(day.refusal);
    // The euro's own rate from the dollar is the inverse of the dollar's in euros: the bounds of
    // the one are the bounds of the other, and every rate of the day is divided by it.
    const double euroToDollar = day.perEuro.value(QStringLiteral("USD"));
    if (!FXRates::isWithinBounds(1.0 / euroToDollar))
        return FXReadResult::failure(day.perEuro.contains(QStringLiteral("USD"))
                                         ? QStringLiteral("unusable USD rate: %1").arg(euroToDollar, 0, 'g', 17)
                                         : QStringLiteral("no USD rate"));
    FXDatedRates result{{}, publicationTime(day.date)};
    QMap<QString, double> perEuro = day.perEuro;
    perEuro.insert(QStringLiteral("EUR"), 1.0);
    for (auto it = perEuro.cbegin(); it != perEuro.cend(); ++it) {
        const FXRate rate = FXRates::fromBase(it.value() / euroToDollar);
        if (FXRates::isServable(it.key(), rate) && codes.isServable(it.key(), day.date))
            result.rates.insert(it.key(), rate);
    }
    return FXReadResult::success(std::move(result));
}

FXReadResult read(const QByteArray &xml, const FXCurrencyCodes &codes)
{
    QList<FXEcbDay> days;
    FXEcbDayReader reader([&days](const FXEcbDay &day) {
        if (!day.perEuro.isEmpty() || !day.refusal.isEmpty())
            days.append(day);
    });
    if (!reader.addData(xml) || !reader.finish())
        return FXReadResult::failure(reader.failure());
    if (days.isEmpty())
        return FXReadResult::failure(QStringLiteral("no rates in the answer"));
    const auto latest = std::max_element(days.cbegin(), days.cend(),
                                         [](const FXEcbDay &a, const FXEcbDay &b) { return a.date < b.date; });
    for (const FXEcbDay &day : std::as_const(days)) {
        if (!day.refusal.isEmpty())
            return FXReadResult::failure(day.refusal);
    }
    FXReadResult result = inDollars(*latest, codes);
    if (!result.isSuccess())
        return result;
    QList<FXDatedRates> earlier;
    for (const FXEcbDay &day : std::as_const(days)) {
        if (day.date >= latest->date)
            continue;
        if (const FXReadResult read = inDollars(day, codes); read.isSuccess())
            earlier.append(read.rates());
    }
    return FXReadResult::success(result.rates(), std::move(earlier));
}

}
