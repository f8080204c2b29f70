#pragma once

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// A currency's two rates against the base currency, the US dollar.
struct FXRate {
    double fromBase = 0.0;   // units of the currency for one dollar
    double toBase = 0.0;     // dollars for one unit of the currency

    // Both rates positive and finite: anything else would turn amounts into 0 or nonsense.
    bool isUsable() const;
};

struct FXServerRates;

// One rates document, read once and never changed: every currency's rates and the date they were
// fetched. Its stored form is the property list
//   {"CurrencyRates": {CODE: {"from_base": number, "to_base": number}}, "Date": date}.
class FXRatesDocument {
public:
    // Reads a stored document. Every key of "CurrencyRates" is a currency; a rate given as text is
    // read as the number it starts with, and a missing rate is 0.
    explicit FXRatesDocument(const QVariantMap &propertyList);
    // Reads the rates server's answer, the "CurrencyRates" dictionary alone as a JSON object, into
    // the document that follows `inForce`. An entry of the answer is taken only when its code is a
    // currency code and its rate is usable; every other currency of `inForce` keeps its last known
    // rate. An answer without a single such entry gives no document: a glitch of the server must
    // not replace good rates, nor make currencies vanish.
    static FXServerRates fromServerResponse(const QByteArray &body, const QDateTime &date,
                                            const FXRatesDocument *inForce);
    // Three capital ASCII letters, as ISO 4217 codes and "BTC" are.
    static bool isCurrencyCode(const QString &code);

    QVariantMap propertyList() const;
    // The document as FXRatesCache keeps it: every member, in little-endian numbers that read back
    // without parsing.
    QByteArray compactForm() const;
    // None unless `bytes` are a compact form, whole and nothing else.
    static std::optional<FXRatesDocument> fromCompactForm(QByteArrayView bytes);

    // Whether it can serve as the table in force: the base currency has a usable rate.
    bool isUsable() const;

    QStringList codes() const { return m_rates.keys(); }
    bool contains(const QString &code) const { return m_rates.contains(code); }
    FXRate rate(const QString &code) const { return m_rates.value(code); }
    const QHash<QString, FXRate> &rates() const { return m_rates; }
    // Invalid when the document carries no date.
    QDateTime date() const { return m_date; }

private:
    FXRatesDocument() = default;
    void readRates(const QVariantMap &rates);

    // Every member is kept in the compact form too.
    QHash<QString, FXRate> m_rates;

    QDateTime m_date;
};

// What the rates server's answer gave: the document to put in force, or why there is none.
struct FXServerRates {
    std::optional<FXRatesDocument> document;
    QString failure;   // empty when there is a document
};
