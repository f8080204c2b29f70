#pragma once

#include "FXCrossRates.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The stretches of time a rate-history chart can show, each ending today.
enum class FXChartRange { OneMonth, ThreeMonths, OneYear, FiveYears, All };

// One day of a chart: how many units of the chart's "against" currency one unit of its currency
// was worth that day.
using FXChartPoint = FXCrossRate;

// Days of a chart's range without rates, both included. A stretch is only named when it is longer
// than a week: weekends and holidays are no news.
struct FXChartGap {
    QDate first;
    QDate last;

    friend bool operator==(const FXChartGap &, const FXChartGap &) = default;
};

// What a rate-history chart shows of one currency against another over a range: the rate of each
// day both currencies hold, its first and last, low and high days, the change over the range, and
// which stretches of the range are missing. The rate reads as the converter's rows do: with the
// US dollar's row against the euro, the chart shows how many euros one US dollar was worth.
//
// Made anew for each currency, range and series; it keeps nothing but the points.
class FXRateChart {
public:
    // The oldest day "All" reaches back to: the first day of the euro's rates, with which the
    // rates server's history begins.
    static const QDate FirstDayOfAll;
    // A stretch without rates longer than this is said.
    static constexpr qint64 LongestQuietStretch = 7;

    // The first day of `range` when it ends on `today`.
    static QDate firstDay(FXChartRange range, QDate today);

    // The chart of `currency` against `against` over `range`, ending on `today`, from the kept
    // series of both (of any length: days outside the range are left out).
    FXRateChart(const QString &currency, const QString &against, FXChartRange range, QDate today,
                const FXRateSeries &currencySeries, const FXRateSeries &againstSeries);

    QString currency() const { return m_currency; }
    QString against() const { return m_against; }
    FXChartRange range() const { return m_range; }
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }

    // Oldest day first.
    const QList<FXChartPoint> &points() const { return m_rates.days(); }
    bool isEmpty() const { return m_rates.isEmpty(); }
    // The point of `day`, or of the nearest kept day before it (the first point for a day before
    // them all); none for an empty chart.
    std::optional<qsizetype> indexOfDay(QDate day) const;

    std::optional<FXChartPoint> first() const { return m_rates.first(); }
    std::optional<FXChartPoint> last() const { return m_rates.last(); }
    // The lowest and the highest rate; of equal ones, the latest day.
    std::optional<FXChartPoint> low() const { return m_rates.low(); }
    std::optional<FXChartPoint> high() const { return m_rates.high(); }
    // The last rate less the first, and that as a percentage of the first.
    double change() const { return m_rates.change(); }
    double changePercent() const { return m_rates.changePercent(); }

    // What the range lacks, oldest first: the days before the first rate (not for "All", which
    // begins with the first kept day), longer holes between rates, and the days after the last.
    QList<FXChartGap> gaps() const;

private:
    QString m_currency;
    QString m_against;
    FXChartRange m_range;
    QDate m_from;
    QDate m_to;
    FXCrossRates m_rates;
};
