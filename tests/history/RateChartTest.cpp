#include "FXLocale.h"
#include "FXRateChart.h"
#include "FXRateChartText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const QDate Today(2026, 12, 7);

QDate day(const char *iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// `rate` on every day from `first` to `last` but the weekends, as the ECB keeps them; `others` on their days.
FXRateSeries workdays(const char *first, const char *last, double rate = 1,
                      const std::map<std::string, double> &others = {})
{
    FXRateSeries series;
    for (QDate d = day(first); d <= day(last); d = d.addDays(1)) {
        const auto other = others.find(d.toString(Qt::ISODate).toStdString());
        if (d.dayOfWeek() < 6)
            series.append({d, other == others.end() ? rate : other->second});
    }
    return series;
}

FXRateSeries rates(std::initializer_list<std::pair<const char *, double>> days)
{
    FXRateSeries series;
    for (const auto &[iso, rate] : days)
        series.append({day(iso), rate});
    return series;
}

// The chart of one US dollar in euros: the dollar, the base, reads 1 on every day the euro has.
FXRateChart dollarInEuros(FXChartRange range, const FXRateSeries &euro)
{
    FXRateSeries dollar;
    for (const FXDayRate &rate : euro)
        dollar.append({rate.day, 1});
    return FXRateChart(QStringLiteral("USD"), QStringLiteral("EUR"), range, Today, dollar, euro);
}

}

// The yen's rate over the euro's on the days both hold; a day between is drawn at the one before.
TEST(RateChart, ShowsTheAgainstCurrencyPerUnitOnTheDaysBothHoldWithinTheRange)
{
    const FXRateSeries euro = rates({{"2026-10-30", 0.8}, {"2026-11-06", 0.9}, {"2026-11-09", 0.92},
                                     {"2026-11-10", 0}, {"2026-12-04", 0.95}, {"2026-12-07", 0.95},
                                     {"2026-12-08", 0.96}});
    const FXRateSeries yen = rates({{"2026-11-06", 150}, {"2026-11-09", 138}, {"2026-11-10", 140},
                                    {"2026-12-04", -1}, {"2026-12-07", 152}});
    const FXRateChart chart(QStringLiteral("EUR"), QStringLiteral("JPY"), FXChartRange::OneMonth,
                            Today, euro, yen);
    EXPECT_EQ(chart.from(), day("2026-11-07"));
    EXPECT_EQ(FXRateChart::firstDay(FXChartRange::All, Today), day("1999-01-04"));   // the euro's first
    EXPECT_EQ(chart.points(), (QList<FXChartPoint>{{day("2026-11-09"), 150}, {day("2026-12-07"), 160}}));
    for (const auto &[shown, index] :
         {std::pair{"2026-11-01", 0}, {"2026-11-09", 0}, {"2026-12-06", 0}, {"2026-12-07", 1}})
        EXPECT_EQ(chart.indexOfDay(day(shown)), index) << shown;
}

TEST(RateChart, GapsAreTheStretchesWithoutRatesLongerThanAWeek)
{
    const struct {
        const char *name;
        FXChartRange range;
        FXRateSeries euro;
        QList<std::pair<const char *, const char *>> gaps;
    } charts[] = {
        {"weekends and today's missing rate are no gap", FXChartRange::ThreeMonths,
         workdays("2026-09-07", "2026-12-04"), {}},
        {"seven days late is not yet worth saying", FXChartRange::OneMonth,
         rates({{"2026-11-14", 1}}) + workdays("2026-11-16", "2026-12-07"), {}},
        {"eight days late is", FXChartRange::OneMonth,
         rates({{"2026-11-15", 1}}) + workdays("2026-11-16", "2026-12-07"), {{"2026-11-07", "2026-11-14"}}},
        {"a hole of seven days is none, of eight days is one", FXChartRange::OneMonth,
         rates({{"2026-11-07", 0.9}, {"2026-11-15", 0.9}, {"2026-11-24", 0.9}, {"2026-12-07", 0.9}}),
         {{"2026-11-16", "2026-11-23"}, {"2026-11-25", "2026-12-06"}}},
        {"offline for two weeks: the end is missing", FXChartRange::OneMonth,
         workdays("2026-11-09", "2026-11-20"), {{"2026-11-21", "2026-12-07"}}},
        {"all begins with the first kept day", FXChartRange::All, workdays("2005-05-02", "2026-12-07"), {}}};
    for (const auto &chart : charts) {
        QList<FXChartGap> expected;
        for (const auto &[first, last] : chart.gaps)
            expected.append({day(first), day(last)});
        EXPECT_EQ(dollarInEuros(chart.range, chart.euro).gaps(), expected) << chart.name;
    }
}

// Which of equal rates is the low or the high, the report's test checks: both use the same cross rates.
TEST(RateChartText, TellsTheChartInTheLocalesNamesNumbersAndDates)
{
    const FXRateSeries dollar = workdays("1999-01-04", "2026-12-07");
    const struct {
        const char *name, *locale, *currency, *against;
        FXChartRange range;
        FXRateSeries currencySeries, againstSeries;
        const char *summary;
    } charts[] = {
        {"a year of the dollar in euros", "en_GB", "USD", "EUR", FXChartRange::OneYear, dollar,
         workdays("2025-12-08", "2026-12-04", 0.9,
                  {{"2025-12-08", 0.91}, {"2026-03-03", 0.84}, {"2026-10-02", 0.95}, {"2026-12-04", 0.86}}),
         "Euro per US Dollar over one year: from 0.91 to 0.86, low 0.84 on 3 March, high 0.95 on 2 October."},
        {"five years name the year", "en_US", "USD", "EUR", FXChartRange::FiveYears, dollar,
         workdays("2021-12-07", "2026-12-07", 0.9, {{"2021-12-07", 0.85}, {"2024-07-10", 0.95}}),
         "Euro per US Dollar over five years: from 0.85 to 0.90, low 0.85 on December 7, 2021, high 0.95 "
         "on July 10, 2024."},
        {"German words and notation, a late start said", "de_DE", "EUR", "USD", FXChartRange::OneYear,
         rates({{"2026-03-12", 0.9123}}) + workdays("2026-03-13", "2026-12-07", 0.8), dollar,
         "US-Dollar per Euro over one year: from 1,096 to 1,25, low 1,096 on 12. März, high 1,25 "
         "on 7. Dezember. No rates before 12. März 2026."},
        {"all: since the first kept day, a hole and a missing end", "en_US", "USD", "EUR", FXChartRange::All,
         dollar,
         rates({{"2020-01-02", 0.89}, {"2020-02-03", 0.9}, {"2026-11-20", 0.86}}),
         "Euro per US Dollar since January 2, 2020: from 0.89 to 0.86, low 0.86 on November 20, "
         "2026, high 0.90 on February 3, 2020. No rates from January 3, 2020 to February 2, 2020. "
         "No rates from February 4, 2020 to November 19, 2026. No rates after November 20, 2026."},
        {"one day", "en_US", "USD", "EUR", FXChartRange::OneMonth, dollar, rates({{"2026-12-04", 0.86}}),
         "Euro per US Dollar over one month: only 0.86, on December 4. No rates before December 4, 2026."},
        {"nothing kept", "en_US", "USD", "EUR", FXChartRange::ThreeMonths, dollar, {},
         "Euro per US Dollar over three months: no rates are kept."}};
    for (const auto &c : charts) {
        const FXLocale locale(QString::fromLatin1(c.locale));
        const FXRateChart chart(QString::fromLatin1(c.currency), QString::fromLatin1(c.against), c.range,
                                Today, c.currencySeries, c.againstSeries);
        EXPECT_EQ(FXRateChartText(locale).summary(chart).toStdString(), c.summary) << c.name;
    }
}

// Two fraction digits, or four significant ones below one; the change with its sign.
TEST(RateChartText, WritesRatesWithTwoFractionDigitsOrFourSignificantOnesAndTheChangeSigned)
{
    const struct { const char *locale; double rate; const char *text; } numbers[] = {
        {"en_US", 0.91234, "0.9123"}, {"en_US", 1, "1.00"}, {"en_US", 15872.5, "15,872.50"},
        {"en_US", 0.0000123456, "0.00001235"}, {"ar_EG", 0.5, "٠٫٥٠"}};
    for (const auto &n : numbers) {
        const FXLocale locale(QString::fromLatin1(n.locale));
        EXPECT_EQ(FXRateChartText(locale).rate(n.rate), QString::fromUtf8(n.text)) << n.text;
    }
    const FXLocale locale(QStringLiteral("en_US"));
    const auto changeOf = [&](double first, double last) {
        return FXRateChartText(locale).change(
            dollarInEuros(FXChartRange::OneMonth, rates({{"2026-12-01", first}, {"2026-12-04", last}})));
    };
    EXPECT_EQ(changeOf(0.85, 0.9), QStringLiteral("Change: +0.05 (+5.9%)"));
    EXPECT_EQ(changeOf(0.9, 0.85), QStringLiteral("Change: -0.05 (-5.6%)"));
    EXPECT_EQ(changeOf(0.9, 0.9), QStringLiteral("Change: 0.00 (0.0%)"));
}
