#pragma once

#include "FXCrossRates.h"

#include <QString>
#include <QStringList>

class FXLocale;

// A currency's history against another as text, which `cambio-cli history` prints: a line per
// day, in the locale's notation or as CSV, the summary of the range and a sparkline.
class FXHistoryReport {
public:
    // The days both series hold, oldest first.
    FXHistoryReport(QString currency, QString against, const FXRateSeries &currencySeries,
                    const FXRateSeries &againstSeries);

    bool isEmpty() const { return m_rates.isEmpty(); }
    const QList<FXCrossRate> &days() const { return m_rates.days(); }

    // "Mar 17, 2014<TAB>1.39063" in `locale`'s dates and digits.
    QStringList lines(const FXLocale &locale) const;
    // For spreadsheets: a header line, then ISO dates and C-locale numbers ("2014-03-17,1.39063").
    QStringList csvLines() const;
    // "USD per EUR from Mar 17, 2014 to Jun 13, 2014: 1.39063 to 1.35907, low 1.35126 on
    // Jun 5, 2014, high 1.39932 on May 8, 2014, change -0.03156 (-2.27%)"; empty without days.
    QString summary(const FXLocale &locale) const;
    // The rates as block characters from ▁ (the low) to █ (the high), at most `width` of them:
    // the days of each character averaged when there are more days.
    QString sparkline(int width) const;

private:
    QString m_currency;
    QString m_against;
    FXCrossRates m_rates;
};
