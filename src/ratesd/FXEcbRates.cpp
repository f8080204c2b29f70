#include "FXEcbRates.h"

#include <QTimeZone>
#include <QXmlStreamReader>

#include <cmath>

namespace {

// The day's rates in euros, as published.
struct EuroRates {
    QDate date;
    QMap<QString, double> perEuro;
};

QDateTime publicationTime(const QDate &date)
{
    return QDateTime(date, QTime(16, 0), QTimeZone("Europe/Berlin")).toUTC();
}

}

namespace FXEcbRates {

FXReadResult read(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    std::optional<EuroRates> latest;
    std::optional<EuroRates> day;
    const auto closeDay = [&] {
        if (day && (!latest || day->date > latest->date))
            latest = std::move(day);
        day.reset();
    };
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Cube")
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.hasAttribute(QLatin1StringView("time"))) {
            closeDay();
            const QDate date = QDate::fromString(attributes.value(QLatin1StringView("time")).toString(), Qt::ISODate);
            if (!date.isValid())
                return FXReadResult::failure(QStringLiteral("unreadable date: ")
                                             + attributes.value(QLatin1StringView("time")).toString());
            day = EuroRates{date, {}};
        } else if (day && attributes.hasAttribute(QLatin1StringView("currency"))) {
            bool ok = false;
            const double rate = attributes.value(QLatin1StringView("rate")).toDouble(&ok);
            if (ok)
                day->perEuro.insert(attributes.value(QLatin1StringView("currency")).toString(), rate);
        }
    }
    if (reader.hasError())
        return FXReadResult::failure(QStringLiteral("not XML: ") + reader.errorString());
    closeDay();
    if (!latest || latest->perEuro.isEmpty())
        return FXReadResult::failure(QStringLiteral("no rates in the answer"));

    const double euroToDollar = latest->perEuro.value(QStringLiteral("USD"));
    if (!std::isfinite(euroToDollar) || euroToDollar <= 0.0)
        return FXReadResult::failure(QStringLiteral("no USD rate"));
    latest->perEuro.insert(QStringLiteral("EUR"), 1.0);

    FXDatedRates result{{}, publicationTime(latest->date)};
    for (auto it = latest->perEuro.cbegin(); it != latest->perEuro.cend(); ++it) {
        const FXRatePair rate = FXRates::fromBase(it.value() / euroToDollar);
        if (FXRates::isServable(it.key(), rate))
            result.rates.insert(it.key(), rate);
    }
    return FXReadResult::success(std::move(result));
}

}
