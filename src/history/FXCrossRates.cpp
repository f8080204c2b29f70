#include "FXCrossRates.h"

#include <QHash>

FXCrossRates::FXCrossRates(const FXRateSeries &currencySeries, const FXRateSeries &againstSeries,
                           QDate from, QDate to)
{
    QHash<QDate, double> againstByDay;
    againstByDay.reserve(againstSeries.size());
    for (const FXDayRate &rate : againstSeries)
        againstByDay.insert(rate.day, rate.fromBase);
    for (const FXDayRate &rate : currencySeries) {
        const auto other = againstByDay.constFind(rate.day);
        // A rate that is not positive says nothing about a day; the kept series never hold one,
        // but a damaged store must give neither a line through zero nor an infinite rate.
        if ((from.isValid() && rate.day < from) || (to.isValid() && rate.day > to)
            || other == againstByDay.cend() || !(rate.fromBase > 0) || !(*other > 0)) {
            continue;
        }
        m_days.append({rate.day, *other / rate.fromBase});
    }
}

std::optional<FXCrossRate> FXCrossRates::first() const
{
    return m_days.isEmpty() ? std::nullopt : std::optional(m_days.first());
}

std::optional<FXCrossRate> FXCrossRates::last() const
{
    return m_days.isEmpty() ? std::nullopt : std::optional(m_days.last());
}

std::optional<FXCrossRate> FXCrossRates::low() const
{
    return extreme([](double rate, double best) { return rate <= best; });
}

std::optional<FXCrossRate> FXCrossRates::high() const
{
    return extreme([](double rate, double best) { return rate >= best; });
}

std::optional<FXCrossRate> FXCrossRates::extreme(bool (*replaces)(double rate, double best)) const
{
    if (m_days.isEmpty())
        return std::nullopt;
    FXCrossRate best = m_days.first();
    // Oldest first, and an equal rate replaces: of equal rates the latest day is named.
    for (const FXCrossRate &day : m_days) {
        if (replaces(day.rate, best.rate))
            best = day;
    }
    return best;
}

double FXCrossRates::change() const
{
    return m_days.isEmpty() ? 0 : m_days.last().rate - m_days.first().rate;
}

double FXCrossRates::changePercent() const
{
    return m_days.isEmpty() ? 0 : change() / m_days.first().rate * 100;
}
