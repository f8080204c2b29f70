#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// A currency's two rates against the base currency, the US dollar.
struct FXRate {
    double fromBase = 0.0;   // units of the currency for one dollar
    double toBase = 0.0;     // dollars for one unit of the currency

    bool operator==(const FXRate &) const = default;

    // Both rates normal positive numbers (neither 0 nor tiny, infinite or NaN), each within 0.1 %
    // of the other's reciprocal: servers round the second rate, while junk, a rate for the wrong
    // unit or a swapped pair lands far off.
    bool isUsable() const;
    // The rates of one entry, {"from_base": rate, "to_base": rate}, when they are usable. Each rate
    // must be a number, or a text that is wholly a plain decimal number (servers that quote their
    // numbers write them so): "1.5abc", "157.5 JPY", "1e300" and true are no rates.
    static std::optional<FXRate> fromEntry(const QVariant &entry);
    // The value of a text of ASCII digits with at most one full stop among them ("157.5", ".5").
    static std::optional<double> plainDecimal(QStringView text);
};

// Rates by currency code, in the order of the codes.
using FXRateMap = QMap<QString, FXRate>;

// The one form in which rates travel and are stored, by the window, cambio-cli and cambio-ratesd
// alike: {CODE: {"from_base": number, "to_base": number}}. The rates server answers with it as a
// JSON object, and the rates document holds it as its "CurrencyRates" dictionary.
namespace FXRateEntries {

// What a set of entries gave: the entries taken, and the keys of the others in their order.
struct Read {
    FXRateMap rates;
    QStringList refusedCodes;
};

// Three capital ASCII letters, as ISO 4217 codes and "BTC" are.
bool isCurrencyCode(const QString &code);

// Takes an entry when its key is a currency code and its rates are usable (FXRate::fromEntry).
Read read(const QVariantMap &entries);
QVariantMap write(const FXRateMap &rates);

// The rates server's answer: none, with the reason in words a user can read, when the body is not
// a JSON object.
std::optional<Read> readAnswer(const QByteArray &body, QString *failureReason = nullptr);
QByteArray writeAnswer(const FXRateMap &rates);

}
