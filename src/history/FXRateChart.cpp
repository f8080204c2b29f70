#include "FXRateChart.h"

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
    , m_rates(currencySeries, againstSeries, m_from, m_to)
{
}

std::optional<qsizetype> FXRateChart::indexOfDay(QDate day) const
{
    const QList<FXChartPoint> &days = points();
    if (days.isEmpty())
        return std::nullopt;
    const auto after = std::upper_bound(days.cbegin(), days.cend(), day,
                                        [](QDate d, const FXChartPoint &point) { return d < point.day; });
    return std::max<qsizetype>(0, (after - days.cbegin()) - 1);
}

QList<FXChartGap> FXRateChart::gaps() const
{
    QList<FXChartGap> gaps;
    const QList<FXChartPoint> &days = points();
    if (days.isEmpty())
        return gaps;
    const auto addIfLong = [&gaps](QDate first, QDate last) {
        if (first.daysTo(last) + 1 > LongestQuietStretch)
            gaps.append({first, last});
    };
    if (m_range != FXChartRange::All)
        addIfLong(m_from, days.first().day.addDays(-1));
    for (qsizetype i = 1; i < days.size(); ++i)
        addIfLong(days[i - 1].day.addDays(1), days[i].day.addDays(-1));
    addIfLong(days.last().day.addDays(1), m_to);
    return gaps;
}
