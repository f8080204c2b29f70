#pragma once

#include "FXRateHistory.h"

#include <QDate>
#include <QList>

#include <optional>

// One day's rate of a currency against another: how many units of the other one unit of the
// currency was worth that day, as a converter row reads it (1 EUR = 1.39 USD).
struct FXCrossRate {
    QDate day;
    double rate = 0;

    friend bool operator==(const FXCrossRate &, const FXCrossRate &) = default;
};

// One currency's rates against another's, made from the kept series of both: each day both hold,
// oldest first, and what a reader asks of them first. The chart and cambio-cli's report read the
// same days and name the same low and high.
class FXCrossRates {
public:
    // The days of both series between `from` and `to`, both included; a null date leaves that
    // end open.
    FXCrossRates(const FXRateSeries &currencySeries, const FXRateSeries &againstSeries,
                 QDate from = {}, QDate to = {});

    const QList<FXCrossRate> &days() const { return m_days; }
    bool isEmpty() const { return m_days.isEmpty(); }

    std::optional<FXCrossRate> first() const;
    std::optional<FXCrossRate> last() const;
    // The lowest and the highest rate; of equal ones, the latest day, the one a reader remembers.
    std::optional<FXCrossRate> low() const;
    std::optional<FXCrossRate> high() const;
    // The last rate less the first, and that as a percentage of the first; 0 without days.
    double change() const;
    double changePercent() const;

private:
    std::optional<FXCrossRate> extreme(bool (*replaces)(double rate, double best)) const;

    QList<FXCrossRate> m_days;
};
