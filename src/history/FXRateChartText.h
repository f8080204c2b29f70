#pragma once

#include "FXRateChart.h"

#include <QString>

class FXLocale;

// The words of a rate-history chart in the user's language and the locale's notation: currency
// names from ICU, rates, changes and dates written by ICU in the locale in force, sentences from
// the program's translations. What a screen reader reads of the chart is summary().
//
// The ICU formatters are made once for each locale and thread and kept for the thread's life: a
// chart's first paint writes dozens of dates and rates, and every history window opened would
// otherwise make them again. One thread only for each object.
class FXRateChartText {
public:
    explicit FXRateChartText(const FXLocale &locale);
    ~FXRateChartText();
    FXRateChartText(const FXRateChartText &) = delete;
    FXRateChartText &operator=(const FXRateChartText &) = delete;

    // "Euro per US Dollar": the chart's against-currency per unit of its currency.
    QString title(const FXRateChart &chart) const;
    // The whole chart in words: "Euro per US Dollar over one year: from 0.91 to 0.86, low 0.84 on
    // 3 March, high 0.95 on 2 October.", followed by what is missing().
    QString summary(const FXRateChart &chart) const;
    // The stretches without rates, one sentence each ("No rates before 12 March 2024."); empty
    // when nothing worth saying is missing.
    QString missing(const FXRateChart &chart) const;

    // A rate with at least two fraction digits and up to four significant ones (0.9123, 151.27,
    // 0.00001234), grouped as the locale groups.
    QString rate(double rate) const;
    // The change over the range with its sign, in units and in percent: "+0.05 (+5.9 %)".
    QString change(const FXRateChart &chart) const;
    // "Low: 0.84 on 3 March", "High: …".
    QString low(const FXRateChart &chart) const;
    QString high(const FXRateChart &chart) const;
    // One day of the chart: "3 March 2026: 0.91".
    QString point(const FXChartPoint &point) const;
    // A day as the chart's range needs it: without the year while the range spans at most a year.
    QString day(QDate day, FXChartRange range) const;
    // A day with its year.
    QString fullDay(QDate day) const;
    // The short label of a day on the chart's time axis: "3 Mar" over months, "Mar 2026" over a
    // year, "2026" over longer ranges.
    QString axisLabel(QDate day, FXChartRange range) const;

private:
    struct Formats;
    Formats &formats() const;
    QString currencyName(const QString &code) const;
    QString dateText(QDate day, const char *skeleton) const;
    QString number(double value, bool signed_) const;

    const FXLocale &m_locale;
    // The thread's formatters for the locale of this generation.
    mutable Formats *m_formats = nullptr;
    mutable quint64 m_formatsGeneration = 0;
};
