#include "FXRateChartText.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"

#include <QStringList>
#include <QTimeZone>

#include <unicode/datefmt.h>
#include <unicode/numberformatter.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace {

QString formatted(const icu::number::LocalizedNumberFormatter &format, double value)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = format.formatDouble(value, status).toString(status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString::number(value);
}

// Two fraction digits, or as many as four significant digits need, whichever shows more.
int fractionDigits(double value)
{
    constexpr int SignificantDigits = 4;
    const int magnitude = value == 0 ? 0 : int(std::floor(std::log10(std::abs(value))));
    return std::clamp(SignificantDigits - 1 - magnitude, 2, 20);
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

struct FXRateChartText::Formats {
    icu::Locale locale;
    std::map<std::string, std::unique_ptr<icu::DateFormat>> dates;   // by skeleton
    // By fraction digits, then signed or not; each formats faster once it has been used a few times.
    std::map<std::pair<int, bool>, icu::number::LocalizedNumberFormatter> numbers;
    std::optional<icu::number::LocalizedNumberFormatter> percent;
};

FXRateChartText::FXRateChartText(const FXLocale &locale)
    : m_locale(locale)
{
}

FXRateChartText::~FXRateChartText() = default;

FXRateChartText::Formats &FXRateChartText::formats() const
{
    const quint64 generation = m_locale.generation();
    if (!m_formats || m_formatsGeneration != generation) {
        thread_local std::map<std::string, std::unique_ptr<Formats>> byLocale;
        const icu::Locale locale = m_locale.icuLocale();
        std::unique_ptr<Formats> &kept = byLocale[locale.getName()];
        if (!kept) {
            kept = std::make_unique<Formats>();
            kept->locale = locale;
        }
        m_formats = kept.get();
        m_formatsGeneration = generation;
    }
    return *m_formats;
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
    return number(rate, false);
}

QString FXRateChartText::number(double value, bool signed_) const
{
    Formats &cache = formats();
    const std::pair key(fractionDigits(value), signed_);
    auto format = cache.numbers.find(key);
    if (format == cache.numbers.end()) {
        format = cache.numbers
                     .emplace(key, icu::number::NumberFormatter::withLocale(cache.locale)
                                       .precision(icu::number::Precision::minMaxFraction(2, key.first))
                                       .sign(signed_ ? UNUM_SIGN_EXCEPT_ZERO : UNUM_SIGN_AUTO))
                     .first;
    }
    return formatted(format->second, value);
}

QString FXRateChartText::change(const FXRateChart &chart) const
{
    Formats &cache = formats();
    if (!cache.percent) {
        cache.percent = icu::number::NumberFormatter::withLocale(cache.locale)
                            .unit(icu::NoUnit::percent())
                            .precision(icu::number::Precision::fixedFraction(1))
                            .sign(UNUM_SIGN_EXCEPT_ZERO);
    }
    return FXLocalizedString::text("Change: %1 (%2)")
        .arg(number(chart.change(), true), formatted(*cache.percent, chart.changePercent()));
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
    Formats &cache = formats();
    auto format = cache.dates.find(skeleton);
    if (format == cache.dates.end()) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::DateFormat> made(icu::DateFormat::createInstanceForSkeleton(
            icu::UnicodeString(skeleton, -1, US_INV), cache.locale, status));
        if (U_FAILURE(status) || !made)
            return day.toString(Qt::ISODate);
        // A day is the same day everywhere: written at its noon in UTC.
        made->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
        format = cache.dates.emplace(skeleton, std::move(made)).first;
    }
    icu::UnicodeString text;
    format->second->format(UDate(QDateTime(day, QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch()),
                           text);
    return FXICUString::toQString(text);
}
