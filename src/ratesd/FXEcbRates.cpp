#include "FXEcbRates.h"

#include "FXCurrencyCodes.h"

#include <QTimeZone>
#include <QXmlStreamReader>

#include <optional>

namespace {

const QString EcbNamespace = QStringLiteral("http://www.ecb.int/vocabulary/2002-08-01/eurofxref");

// The day's rates in euros, as published.
struct EuroRates {
    QDate date;
    QMap<QString, double> perEuro;
};

QDateTime publicationTime(const QDate &date)
{
    return QDateTime(date, QTime(16, 0), QTimeZone("Europe/Berlin")).toUTC();
}

bool isCube(const QXmlStreamReader &reader)
{
    return reader.name() == u"Cube" && reader.namespaceUri() == EcbNamespace;
}

// Reads the children of the element the reader is in, handing each Cube to `cube` and skipping
// everything else. Whatever `cube` does not read of its element is skipped too.
template<typename Handler>
bool forEachCube(QXmlStreamReader &reader, Handler cube)
{
    while (reader.readNextStartElement()) {
        if (!isCube(reader)) {
            reader.skipCurrentElement();
            continue;
        }
        if (!cube())
            return false;
        if (!reader.isEndElement())
            reader.skipCurrentElement();
    }
    return true;
}

class EcbReader {
public:
    explicit EcbReader(const QByteArray &xml) : m_reader(xml) {}

    // The latest day of the file, or the reason it has none.
    std::optional<EuroRates> latestDay()
    {
        if (m_reader.readNextStartElement()) {
            forEachCube(m_reader, [this] {
                return forEachCube(m_reader, [this] { return readDay(); });
            });
        }
        if (m_reader.hasError() && m_failure.isEmpty())
            m_failure = QStringLiteral("not XML: ") + m_reader.errorString();
        if (!m_failure.isEmpty())
            return std::nullopt;
        if (!m_latest || m_latest->perEuro.isEmpty()) {
            m_failure = QStringLiteral("no rates in the answer");
            return std::nullopt;
        }
        return m_latest;
    }

    QString failure() const { return m_failure; }

private:
    bool readDay()
    {
        if (!m_reader.attributes().hasAttribute(QLatin1StringView("time")))
            return true;
        const QStringView time = m_reader.attributes().value(QLatin1StringView("time"));
        const QDate date = QDate::fromString(time.toString(), Qt::ISODate);
        if (!date.isValid())
            return fail(QStringLiteral("unreadable date: ") + time.toString());
        EuroRates day{date, {}};
        const bool read = forEachCube(m_reader, [&] { return readRate(day); });
        if (read && (!m_latest || day.date > m_latest->date))
            m_latest = std::move(day);
        return read;
    }

    bool readRate(EuroRates &day)
    {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        const QString currency = attributes.value(QLatin1StringView("currency")).toString();
        bool ok = false;
        const double rate = attributes.value(QLatin1StringView("rate")).toDouble(&ok);
        if (currency.isEmpty() || !ok)
            return true;
        const auto listed = day.perEuro.constFind(currency);
        if (listed != day.perEuro.cend() && *listed != rate) {
            return fail(QStringLiteral("%1 listed twice on %2, at %3 and %4")
                            .arg(currency, day.date.toString(Qt::ISODate))
                            .arg(*listed, 0, 'g', 17).arg(rate, 0, 'g', 17));
        }
        day.perEuro.insert(currency, rate);
        return true;
    }

    bool fail(const QString &reason)
    {
        m_failure = reason;
        m_reader.raiseError(reason);
        return false;
    }

    QXmlStreamReader m_reader;
    std::optional<EuroRates> m_latest;
    QString m_failure;
};

}

namespace FXEcbRates {

FXReadResult read(const QByteArray &xml, const FXCurrencyCodes &codes)
{
    EcbReader reader(xml);
    std::optional<EuroRates> day = reader.latestDay();
    if (!day)
        return FXReadResult::failure(reader.failure());

    // The euro's own rate from the dollar is the inverse of the dollar's in euros: the bounds of
    // the one are the bounds of the other, and every rate of the day is divided by it.
    const double euroToDollar = day->perEuro.value(QStringLiteral("USD"));
    if (!FXRates::isWithinBounds(1.0 / euroToDollar))
        return FXReadResult::failure(day->perEuro.contains(QStringLiteral("USD"))
                                         ? QStringLiteral("unusable USD rate: %1").arg(euroToDollar, 0, 'g', 17)
                                         : QStringLiteral("no USD rate"));
    day->perEuro.insert(QStringLiteral("EUR"), 1.0);

    FXDatedRates result{{}, publicationTime(day->date)};
    for (auto it = day->perEuro.cbegin(); it != day->perEuro.cend(); ++it) {
        const FXRate rate = FXRates::fromBase(it.value() / euroToDollar);
        if (FXRates::isServable(it.key(), rate) && codes.isServable(it.key(), day->date))
            result.rates.insert(it.key(), rate);
    }
    return FXReadResult::success(std::move(result));
}

}
