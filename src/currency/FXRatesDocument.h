#pragma once

#include "FXRateEntries.h"

#include <QDateTime>
#include <QStringList>
#include <QVariantMap>

#include <optional>

struct FXServerRates;

// One rates document, read once and never changed: every currency's rates, the date they were
// fetched and, when the rates server told it, the date of the rates themselves. Its stored form is
// the property list
//   {"CurrencyRates": {CODE: {"from_base": number, "to_base": number}}, "Date": date,
//    "RatesDate": date}
// where "RatesDate" is left out when the server did not tell it.
class FXRatesDocument {
public:
    // Reads a stored document. An entry is taken only when its key is a currency code and its rates
    // are usable (FXRateEntries::read); the keys of the others are refusedCodes().
    explicit FXRatesDocument(const QVariantMap &propertyList);
    // Reads the rates server's answer, the "CurrencyRates" dictionary alone as a JSON object, into
    // the document that follows `inForce`. An entry of the answer is taken on the same terms as an
    // entry of a stored document; every other currency of `inForce` keeps its last known rate. An
    // answer without a single such entry gives no document: a glitch of the server must not
    // replace good rates, nor make currencies vanish.
    // `date` is the time of the download, `ratesDate` the date of the rates as the server gave it
    // (invalid when it gave none).
    static FXServerRates fromServerResponse(const QByteArray &body, const QDateTime &date,
                                            const QDateTime &ratesDate,
                                            const FXRatesDocument *inForce);

    QVariantMap propertyList() const;
    // The document as FXRatesCache keeps it: every member, in little-endian numbers that read back
    // without parsing.
    QByteArray compactForm() const;
    // None unless `bytes` are a compact form, whole and nothing else.
    static std::optional<FXRatesDocument> fromCompactForm(QByteArrayView bytes);

    // The keys of the stored document whose entries were refused, in the document's order.
    const QStringList &refusedCodes() const { return m_refusedCodes; }
    // Gives each refused entry the rates of `fallback` (the program's own copy) for its code, so
    // that a damaged entry shows the currency at a sound rate, never at 0 or a negative one. A
    // code `fallback` has no rates for stays out.
    void takeRefusedRatesFrom(const FXRatesDocument &fallback);

    // Whether it can serve as the table in force: the base currency has a usable rate.
    bool isUsable() const;

    QStringList codes() const { return m_rates.keys(); }
    bool contains(const QString &code) const { return m_rates.contains(code); }
    FXRate rate(const QString &code) const { return m_rates.value(code); }
    const FXRateMap &rates() const { return m_rates; }
    // When the rates were downloaded, which decides when the next download is due; invalid when
    // the document carries no date.
    QDateTime date() const { return m_date; }
    // The date of the rates themselves when the server told it, else invalid. It stays old while
    // the source publishes nothing new (a weekend, a holiday), however recent the download.
    QDateTime ratesDate() const { return m_ratesDate; }
    // The date the rates are shown, aged and judged by: their own, else that of the download.
    QDateTime shownDate() const { return m_ratesDate.isValid() ? m_ratesDate : m_date; }

private:
    FXRatesDocument() = default;

    // Every member is kept in the compact form too.
    FXRateMap m_rates;
    QStringList m_refusedCodes;

    QDateTime m_date;
    QDateTime m_ratesDate;
};

// What the rates server's answer gave: the document to put in force, or why there is none.
struct FXServerRates {
    std::optional<FXRatesDocument> document;
    QString failure;   // empty when there is a document
    // The codes of the document's rates that the answer itself gave, not kept from before.
    QStringList answeredCodes{};
};
