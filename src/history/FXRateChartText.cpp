#include "FXRateChartText.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"

#include <QStringList>
#include <QTimeZone>

#include <unicode/dtptngen.h>
#include <unicode/numberformatter.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

QString formatted(const icu::number::LocalizedNumberFormatter &format, double value)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = format.formatDouble(value, status).toString(status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString::number(value);
}

// Two fraction digits, or as many as four significant digits need, whichever shows more; no
// trailing zeros past the second.
icu::number::Precision ratePrecision(double rate)
{
    constexpr int SignificantDigits = 4;
    const int magnitude = rate == 0 ? 0 : int(std::floor(std::log10(std::abs(rate))));
    return icu::number::Precision::minMaxFraction(
        2, std::clamp(SignificantDigits - 1 - magnitude, 2, 20));
}

QString rangePhrase(const FXRateChart &chart, const QString &firstDay)
{
    switch (chart.range()) {
    case FXChartRange::OneMonth:
        return FXLocalizedString::text("over one month");
    case FXChartRange::ThreeMonths:
        return FXLocalizedString::text("over three months");
    case FXChartRange::OneYear:
        return FXLocalizedString::text("over one year");
    case FXChartRange::FiveYears:
        return FXLocalizedString::text("over five years");
    case FXChartRange::All:
        break;
    }
    return FXLocalizedString::format("since %@", firstDay);
}

}

FXRateChartText::FXRateChartText(const FXLocale &locale)
    : m_locale(locale)
{
}

QString FXRateChartText::currencyName(const QString &code) const
{
    return m_locale.displayNameForCurrency(code).value_or(code);
}

QString FXRateChartText::title(const FXRateChart &chart) const
{
    return FXLocalizedString::text("%1 per %2")
        .arg(currencyName(chart.against()), currencyName(chart.currency()));
}

QString FXRateChartText::summary(const FXRateChart &chart) const
{
    const QString firstDay = fullDay(chart.first() ? chart.first()->day : chart.from());
    const QString heading = FXLocalizedString::text("%1 %2")
                                .arg(title(chart), rangePhrase(chart, firstDay));
    QString text;
    if (chart.isEmpty()) {
        text = FXLocalizedString::text("%1: no rates are kept.").arg(heading);
    } else if (chart.points().size() == 1) {
        text = FXLocalizedString::text("%1: only %2, on %3.")
                   .arg(heading, rate(chart.first()->rate), day(chart.first()->day, chart.range()));
    } else {
        const FXChartPoint low = *chart.low();
        const FXChartPoint high = *chart.high();
        text = FXLocalizedString::text("%1: from %2 to %3, low %4 on %5, high %6 on %7.")
                   .arg(heading, rate(chart.first()->rate), rate(chart.last()->rate),
                        rate(low.rate), day(low.day, chart.range()), rate(high.rate),
                        day(high.day, chart.range()));
    }
    const QString gaps = missing(chart);
    return gaps.isEmpty() ? text : text + u' ' + gaps;
}

QString FXRateChartText::missing(const FXRateChart &chart) const
{
    QStringList sentences;
    for (const FXChartGap &gap : chart.gaps()) {
        if (gap.first == chart.from() && chart.range() != FXChartRange::All) {
            sentences.append(FXLocalizedString::format("No rates before %@.",
                                                       fullDay(gap.last.addDays(1))));
        } else if (gap.last == chart.to()) {
            sentences.append(FXLocalizedString::format("No rates after %@.",
                                                       fullDay(gap.first.addDays(-1))));
        } else {
            sentences.append(FXLocalizedString::text("No rates from %1 to %2.")
                                 .arg(fullDay(gap.first), fullDay(gap.last)));
        }
    }
    return sentences.join(u' ');
}

QString FXRateChartText::rate(double rate) const
{
    return formatted(icu::number::NumberFormatter::withLocale(m_locale.icuLocale())
                         .precision(ratePrecision(rate)),
                     rate);
}

QString FXRateChartText::change(const FXRateChart &chart) const
{
    const icu::Locale locale = m_locale.icuLocale();
    const QString units = formatted(icu::number::NumberFormatter::withLocale(locale)
                                        .precision(ratePrecision(chart.change()))
                                        .sign(UNUM_SIGN_EXCEPT_ZERO),
                                    chart.change());
    const QString percent = formatted(icu::number::NumberFormatter::withLocale(locale)
                                          .unit(icu::NoUnit::percent())
                                          .precision(icu::number::Precision::fixedFraction(1))
                                          .sign(UNUM_SIGN_EXCEPT_ZERO),
                                      chart.changePercent());
    return FXLocalizedString::text("Change: %1 (%2)").arg(units, percent);
}

QString FXRateChartText::low(const FXRateChart &chart) const
{
    const auto low = chart.low();
    return low ? FXLocalizedString::text("Low: %1 on %2")
                     .arg(rate(low->rate), day(low->day, chart.range()))
               : QString();
}

QString FXRateChartText::high(const FXRateChart &chart) const
{
    const auto high = chart.high();
    return high ? FXLocalizedString::text("High: %1 on %2")
                      .arg(rate(high->rate), day(high->day, chart.range()))
                : QString();
}

QString FXRateChartText::point(const FXChartPoint &point) const
{
    return FXLocalizedString::text("%1: %2").arg(fullDay(point.day), rate(point.rate));
}

QString FXRateChartText::day(QDate day, FXChartRange range) const
{
    const bool withinAYear = range == FXChartRange::OneMonth || range == FXChartRange::ThreeMonths
                             || range == FXChartRange::OneYear;
    return withinAYear ? dateText(day, "MMMMd") : fullDay(day);
}

QString FXRateChartText::fullDay(QDate day) const
{
    return dateText(day, "yMMMMd");
}

QString FXRateChartText::axisLabel(QDate day, FXChartRange range) const
{
    switch (range) {
    case FXChartRange::OneMonth:
    case FXChartRange::ThreeMonths:
        return dateText(day, "MMMd");
    case FXChartRange::OneYear:
        return dateText(day, "yMMM");
    case FXChartRange::FiveYears:
    case FXChartRange::All:
        break;
    }
    return dateText(day, "y");
}

QString FXRateChartText::dateText(QDate day, const char *skeleton) const
{
    const icu::Locale locale = m_locale.icuLocale();
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> patterns(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return day.toString(Qt::ISODate);
    const icu::UnicodeString pattern =
        patterns->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status);
    icu::SimpleDateFormat format(pattern, locale, status);
    if (U_FAILURE(status))
        return day.toString(Qt::ISODate);
    // A day is the same day everywhere: written at its noon in UTC.
    format.adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    icu::UnicodeString text;
    format.format(UDate(QDateTime(day, QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch()), text);
    return FXICUString::toQString(text);
}
