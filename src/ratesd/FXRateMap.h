#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>

// A currency's two rates against the US dollar, as the server hands them out.
struct FXRatePair {
    double fromBase = 0.0;   // units of the currency for one dollar
    double toBase = 0.0;     // dollars for one unit of the currency
    bool operator==(const FXRatePair &) const = default;
};

// Rates by currency code, in the order of the codes.
using FXRateMap = QMap<QString, FXRatePair>;

// Rates with the moment their data stands for (invalid when the source does not tell).
struct FXDatedRates {
    FXRateMap rates;
    QDateTime date;
};

namespace FXRates {

// The bounds of a rate from the dollar that may be served. The widest real ones lie far inside
// (Bitcoin about 1e-5, the Iranian rial about 1e6); beyond them a value is a source's error, and
// one that would turn every conversion into garbage.
constexpr double smallestFromBase = 1e-9;
constexpr double largestFromBase = 1e9;

// Whether an entry may be served: a code of three capital ASCII letters, a rate from the dollar
// within the bounds and a positive, finite rate to it. Anything else would reach every client's
// table.
bool isServable(const QString &code, const FXRatePair &rate);
// Whether a rate from the dollar lies within the bounds (false for NaN).
bool isWithinBounds(double fromBase);

// The pair of a rate known from the base alone: to_base is its inverse.
FXRatePair fromBase(double fromBase);

// The wire form, {CODE: {"from_base": number, "to_base": number}}, of servable entries.
QJsonObject toJson(const FXRateMap &rates);
// The servable entries of an object of the wire form; every other member is dropped.
FXRateMap fromJson(const QJsonObject &object);

}

// What reading one answer of a source gave: its rates, or why it cannot be used, in words for the
// log ("not JSON", "no USD rate").
class FXReadResult {
public:
    static FXReadResult success(FXDatedRates rates);
    static FXReadResult failure(QString reason);

    bool isSuccess() const { return m_failureReason.isEmpty(); }
    const FXDatedRates &rates() const { return m_rates; }
    QString failureReason() const { return m_failureReason; }

private:
    FXReadResult() = default;

    FXDatedRates m_rates;
    QString m_failureReason;
};
