#include "FXHistoryQuery.h"

#include <QUrlQuery>

namespace {

// The one value of `name`; a name given twice is refused, as two readers could take either.
std::optional<QString> onlyValue(const QUrlQuery &query, const QString &name, QString *refusal)
{
    const QStringList values = query.allQueryItemValues(name, QUrl::FullyDecoded);
    if (values.isEmpty())
        *refusal = QStringLiteral("no %1 given").arg(name);
    else if (values.size() > 1)
        *refusal = QStringLiteral("%1 given more than once").arg(name);
    else
        return values.first();
    return std::nullopt;
}

std::optional<QDate> dateValue(const QUrlQuery &query, const QString &name, QString *refusal)
{
    const auto text = onlyValue(query, name, refusal);
    if (!text)
        return std::nullopt;
    // Only the full form: "2026-1-7" or a time of day would read as a date that was not meant.
    const QDate date = text->size() == 10 ? QDate::fromString(*text, Qt::ISODate) : QDate();
    if (!date.isValid()) {
        *refusal = QStringLiteral("%1 is not a date of the form YYYY-MM-DD: %2").arg(name, *text);
        return std::nullopt;
    }
    return date;
}

bool isCode(const QString &code)
{
    return code.size() == 3 && std::all_of(code.cbegin(), code.cend(), [](QChar c) {
               return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
           });
}

}

FXHistoryQuery FXHistoryQuery::parse(QByteArrayView text)
{
    FXHistoryQuery result;
    const QUrlQuery query(QString::fromLatin1(text));
    const auto currencies = onlyValue(query, QStringLiteral("currency"), &result.refusal);
    const auto from = currencies ? dateValue(query, QStringLiteral("from"), &result.refusal) : std::nullopt;
    const auto to = from ? dateValue(query, QStringLiteral("to"), &result.refusal) : std::nullopt;
    if (!to)
        return result;
    for (const QString &code : currencies->split(u',')) {
        if (!isCode(code)) {
            result.refusal = QStringLiteral("not a currency code: \"%1\"").arg(code);
            return result;
        }
        result.currencies.append(code.toUpper());
    }
    if (result.currencies.size() > maximumCurrencies)
        result.refusal = QStringLiteral("more than %1 currencies asked at once").arg(maximumCurrencies);
    else if (*from > *to)
        result.refusal = QStringLiteral("from (%1) is after to (%2)").arg(from->toString(Qt::ISODate), to->toString(Qt::ISODate));
    else if (from->addYears(maximumYears) < *to)
        result.refusal = QStringLiteral("more than %1 years asked at once").arg(maximumYears);
    result.from = *from;
    result.to = *to;
    return result;
}
