#include "FXRateChart.h"

#include <QHash>

#include <algorithm>

const QDate FXRateChart::FirstDayOfAll = QDate(1999, 1, 4);

QDate FXRateChart::firstDay(FXChartRange range, QDate today)
{
    switch (range) {
    case FXChartRange::OneMonth:
        return today.addMonths(-1);
    case FXChartRange::ThreeMonths:
        return today.addMonths(-3);
    case FXChartRange::OneYear:
        return today.addYears(-1);
    case FXChartRange::FiveYears:
        return today.addYears(-5);
    case FXChartRange::All:
        break;
    }
    return std::min(FirstDayOfAll, today);
}

FXRateChart::FXRateChart(const QString &currency, const QString &against, FXChartRange range,
                         QDate today, const FXRateSeries &currencySeries,
                         const FXRateSeries &againstSeries)
    : m_currency(currency)
    , m_against(against)
    , m_range(range)
    , m_from(firstDay(range, today))
    , m_to(today)
{
    QHash<QDate, double> againstByDay;
    againstByDay.reserve(againstSeries.size());
    for (const FXDayRate &rate : againstSeries)
        againstByDay.insert(rate.day, rate.fromBase);
    for (const FXDayRate &rate : currencySeries) {
        const auto other = againstByDay.constFind(rate.day);
        // A rate that is not positive says nothing about a day; the kept series never hold one,
        // but a damaged store must not draw a line through zero.
        if (rate.day < m_from || rate.day > m_to || other == againstByDay.cend()
            || !(rate.fromBase > 0) || !(*other > 0)) {
            continue;
        }
        m_points.append({rate.day, *other / rate.fromBase});
    }
}

std::optional<qsizetype> FXRateChart::indexOfDay(QDate day) const
{
    if (m_points.isEmpty())
        return std::nullopt;
    const auto after = std::upper_bound(m_points.cbegin(), m_points.cend(), day,
                                        [](QDate d, const FXChartPoint &point) { return d < point.day; });
    return std::max<qsizetype>(0, (after - m_points.cbegin()) - 1);
}

std::optional<FXChartPoint> FXRateChart::first() const
{
    return m_points.isEmpty() ? std::nullopt : std::optional(m_points.first());
}

std::optional<FXChartPoint> FXRateChart::last() const
{
    return m_points.isEmpty() ? std::nullopt : std::optional(m_points.last());
}

std::optional<FXChartPoint> FXRateChart::low() const
{
    return extreme([](double rate, double best) { return rate <= best; });
}

std::optional<FXChartPoint> FXRateChart::high() const
{
    return extreme([](double rate, double best) { return rate >= best; });
}

std::optional<FXChartPoint> FXRateChart::extreme(bool (*replaces)(double rate, double best)) const
{
    if (m_points.isEmpty())
        return std::nullopt;
    FXChartPoint best = m_points.first();
    // Oldest first, and an equal rate replaces: of equal rates the latest day is named.
    for (const FXChartPoint &point : m_points) {
        if (replaces(point.rate, best.rate))
            best = point;
    }
    return best;
}

double FXRateChart::change() const
{
    return m_points.isEmpty() ? 0 : m_points.last().rate - m_points.first().rate;
}

double FXRateChart::changePercent() const
{
    return m_points.isEmpty() ? 0 : change() / m_points.first().rate * 100;
}

QList<FXChartGap> FXRateChart::gaps() const
{
    QList<FXChartGap> gaps;
    if (m_points.isEmpty())
        return gaps;
    const auto addIfLong = [&gaps](QDate first, QDate last) {
        if (first.daysTo(last) + 1 > LongestQuietStretch)
            gaps.append({first, last});
    };
    if (m_range != FXChartRange::All)
        addIfLong(m_from, m_points.first().day.addDays(-1));
    for (qsizetype i = 1; i < m_points.size(); ++i)
        addIfLong(m_points[i - 1].day.addDays(1), m_points[i].day.addDays(-1));
    addIfLong(m_points.last().day.addDays(1), m_to);
    return gaps;
}
