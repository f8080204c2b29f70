#include "FXHistoryReport.h"
#include "FXLocale.h"

#include <gtest/gtest.h>

namespace {

// A series from its rates, one day after the other from 1 March 2025.
FXRateSeries daily(std::initializer_list<double> rates)
{
    FXRateSeries series;
    QDate day(2025, 3, 1);
    for (const double rate : rates) {
        series.append({day, rate});
        day = day.addDays(1);
    }
    return series;
}

// The US dollar's series over as many days: 1 each day.
FXRateSeries dollar(qsizetype days)
{
    FXRateSeries series;
    for (qsizetype i = 0; i < days; ++i)
        series.append({QDate(2025, 3, 1).addDays(i), 1.0});
    return series;
}

}

TEST(HistoryReport, KeepsTheDaysBothCurrenciesHoldAsTheAgainstCurrencyPerUnit)
{
    const FXRateSeries euro{{QDate(2025, 3, 1), 0.8}, {QDate(2025, 3, 2), 0.5}, {QDate(2025, 3, 4), 0.25}};
    const FXRateSeries yen{{QDate(2025, 3, 2), 150.0}, {QDate(2025, 3, 3), 151.0}, {QDate(2025, 3, 4), 152.0}};
    const FXHistoryReport report(QStringLiteral("EUR"), QStringLiteral("JPY"), euro, yen);
    EXPECT_EQ(report.csvLines(), (QStringList{QStringLiteral("date,JPY per EUR"), QStringLiteral("2025-03-02,300"),
                                              QStringLiteral("2025-03-04,608")}));
}

TEST(HistoryReport, WritesCsvNumbersWithSixSignificantDigitsNeverInScientificNotation)
{
    const FXHistoryReport bitcoin(QStringLiteral("USD"), QStringLiteral("BTC"), dollar(3),
                                  daily({0.0000123456789, 1.0 / 3.0, 12345678.9}));
    EXPECT_EQ(bitcoin.csvLines().mid(1), (QStringList{QStringLiteral("2025-03-01,0.0000123457"),
                                                      QStringLiteral("2025-03-02,0.333333"),
                                                      QStringLiteral("2025-03-03,12345679")}));
}

TEST(HistoryReport, SummarisesTheLatestOfEqualLowsAndHighsAndTheSignedChange)
{
    FXLocale locale(QStringLiteral("en_US"));
    const FXHistoryReport falling(QStringLiteral("USD"), QStringLiteral("EUR"), dollar(5),
                                  daily({0.95, 0.9, 0.95, 0.9, 0.92}));
    EXPECT_EQ(falling.summary(locale).toStdString(),
              QStringLiteral("EUR per USD from Mar 1, 2025 to Mar 5, 2025: 0.95 to 0.92, low 0.9 on "
                             "Mar 4, 2025, high 0.95 on Mar 3, 2025, change -0.03 (-3.16%)").toStdString());
    FXLocale german(QStringLiteral("de_DE"));
    const FXHistoryReport flat(QStringLiteral("USD"), QStringLiteral("EUR"), dollar(2), daily({1234.5, 1234.5}));
    EXPECT_EQ(flat.summary(german).toStdString(),
              QStringLiteral("EUR per USD from 01.03.2025 to 02.03.2025: 1.234,5 to 1.234,5, low 1.234,5 "
                             "on 02.03.2025, high 1.234,5 on 02.03.2025, change 0 (0,00\u00a0%)").toStdString());
    EXPECT_EQ(flat.lines(german).first(), QStringLiteral("01.03.2025\t1.234,5"));
}

TEST(HistoryReport, DrawsASparklineOfAtMostTheWidthFromLowToHigh)
{
    const FXHistoryReport rising(QStringLiteral("USD"), QStringLiteral("EUR"), dollar(8),
                                 daily({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(rising.sparkline(72), QStringLiteral("▁▂▃▄▅▆▇█"));
    // Two days a character, averaged: 1.5, 3.5, 5.5, 7.5.
    EXPECT_EQ(rising.sparkline(4), QStringLiteral("▁▃▆█"));
    const FXHistoryReport flat(QStringLiteral("USD"), QStringLiteral("EUR"), dollar(3), daily({2, 2, 2}));
    EXPECT_EQ(flat.sparkline(72), QStringLiteral("▄▄▄"));
    EXPECT_EQ(FXHistoryReport(QStringLiteral("USD"), QStringLiteral("EUR"), {}, {}).sparkline(72), QString());
}
