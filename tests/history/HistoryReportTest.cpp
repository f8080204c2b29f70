#include "FXHistoryReport.h"
#include "FXLocale.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

QDate march(int day) { return QDate(2025, 3, day); }

// A series from its rates, one day after the other from 1 March 2025.
FXRateSeries daily(std::initializer_list<double> rates)
{
    FXRateSeries series;
    for (const double rate : rates)
        series.append({march(1).addDays(series.size()), rate});
    return series;
}

// The report of one US dollar against `rates`, the dollar reading 1 on each day.
FXHistoryReport perDollar(const QString &against, std::initializer_list<double> rates)
{
    FXRateSeries dollar = daily(rates);
    for (FXDayRate &rate : dollar)
        rate.fromBase = 1;
    return FXHistoryReport(QStringLiteral("USD"), against, dollar, daily(rates));
}

}

// The days both currencies hold, as the against currency per unit, in six significant digits
// never written in a scientific notation, which not every spreadsheet reads.
TEST(HistoryReport, WritesCsvOfTheDaysBothCurrenciesHoldInSixSignificantDigits)
{
    const FXRateSeries euro{{march(1), 0.8}, {march(2), 0.5}, {march(4), 0.25}};
    const FXRateSeries yen{{march(2), 150.0}, {march(3), 151.0}, {march(4), 152.0}};
    EXPECT_EQ(FXHistoryReport(QStringLiteral("EUR"), QStringLiteral("JPY"), euro, yen).csvLines(),
              (QStringList{u"date,JPY per EUR"_qs, u"2025-03-02,300"_qs, u"2025-03-04,608"_qs}));
    EXPECT_EQ(perDollar(QStringLiteral("BTC"), {0.0000123456789, 1.0 / 3.0, 12345678.9}).csvLines().mid(1),
              codes("2025-03-01,0.0000123457 2025-03-02,0.333333 2025-03-03,12345679"));
}

TEST(HistoryReport, SummarisesTheLatestOfEqualLowsAndHighsAndTheSignedChange)
{
    FXLocale locale(QStringLiteral("en_US"));
    EXPECT_EQ(perDollar(QStringLiteral("EUR"), {0.95, 0.9, 0.95, 0.9, 0.92}).summary(locale).toStdString(),
              QStringLiteral("EUR per USD from Mar 1, 2025 to Mar 5, 2025: 0.95 to 0.92, low 0.9 on "
                             "Mar 4, 2025, high 0.95 on Mar 3, 2025, change -0.03 (-3.16%)").toStdString());
    FXLocale german(QStringLiteral("de_DE"));
    const FXHistoryReport flat = perDollar(QStringLiteral("EUR"), {1234.5, 1234.5});
    EXPECT_EQ(flat.summary(german).toStdString(),
              QStringLiteral("EUR per USD from 01.03.2025 to 02.03.2025: 1.234,5 to 1.234,5, low 1.234,5 on "
                             "02.03.2025, high 1.234,5 on 02.03.2025, change 0 (0,00\u00a0%)").toStdString());
    EXPECT_EQ(flat.lines(german).first(), QStringLiteral("01.03.2025\t1.234,5"));
}

TEST(HistoryReport, DrawsASparklineOfAtMostTheWidthFromLowToHigh)
{
    const FXHistoryReport rising = perDollar(QStringLiteral("EUR"), {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(rising.sparkline(72), QStringLiteral("▁▂▃▄▅▆▇█"));
    // Two days a character, averaged: 1.5, 3.5, 5.5, 7.5.
    EXPECT_EQ(rising.sparkline(4), QStringLiteral("▁▃▆█"));
    EXPECT_EQ(perDollar(QStringLiteral("EUR"), {2, 2, 2}).sparkline(72), QStringLiteral("▄▄▄"));
    EXPECT_EQ(perDollar(QStringLiteral("EUR"), {}).sparkline(72), QString());
}
