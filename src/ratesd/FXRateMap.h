#pragma once

#include "FXRateEntries.h"

#include <QDateTime>
#include <QList>
#include <QString>

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
bool isServable(const QString &code, const FXRate &rate);
// Whether a rate from the dollar lies within the bounds (false for NaN).
bool isWithinBounds(double fromBase);

// The pair of a rate known from the base alone: to_base is its inverse.
FXRate fromBase(double fromBase);

// The servable entries of `rates`; every other is dropped.
FXRateMap servable(const FXRateMap &rates);

}

// What reading one answer of a source gave: its rates, or why it cannot be used, in words for the
// log ("not JSON", "no USD rate").
class FXReadResult {
public:
    // `earlierDays`: the answer's older days that can be used, when it carries several.
    static FXReadResult success(FXDatedRates rates, QList<FXDatedRates> earlierDays = {});
    static FXReadResult failure(QString reason);

    bool isSuccess() const { return m_failureReason.isEmpty(); }
    const FXDatedRates &rates() const { return m_rates; }
    const QList<FXDatedRates> &earlierDays() const { return m_earlierDays; }
    QString failureReason() const { return m_failureReason; }

private:
    FXReadResult() = default;

    FXDatedRates m_rates;
    QList<FXDatedRates> m_earlierDays;
    QString m_failureReason;
};
