#include "FXRatesAge.h"

#include "FXICUString.h"
#include "FXLocale.h"

#include <unicode/datefmt.h>
#include <unicode/numberformatter.h>
#include <unicode/reldatefmt.h>

#include <algorithm>
#include <memory>

namespace {

constexpr qint64 SecondsPerHour = 60 * 60;
constexpr qint64 SecondsPerDay = 24 * SecondsPerHour;
constexpr qint64 DaysInWords = 7;

QString dateTimeText(const QDateTime &date, icu::DateFormat::EStyle dateStyle,
                     icu::DateFormat::EStyle timeStyle, const icu::Locale &locale)
{
    const std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, locale));
    if (!format)
        return date.toString(Qt::ISODate);
    icu::UnicodeString text;
    format->format(UDate(date.toMSecsSinceEpoch()), text);
    return FXICUString::toQString(text);
}

// "yesterday", "3 days ago"; empty when ICU has no words for the locale.
QString daysAgoText(qint64 days, const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    // The words stand inside "Updated %@": lower case where a language capitalises them alone.
    icu::RelativeDateTimeFormatter format(locale, nullptr, UDAT_STYLE_LONG,
                                          UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE, status);
    icu::UnicodeString text;
    if (days == 1)
        format.format(UDAT_DIRECTION_LAST, UDAT_ABSOLUTE_DAY, text, status);
    else
        format.format(double(days), UDAT_DIRECTION_LAST, UDAT_RELATIVE_DAYS, text, status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString();
}

}

FXRatesAge::FXRatesAge(const FXLocale &locale)
    : m_locale(locale)
{
}

QString FXRatesAge::humanReadableDate(const QDateTime &date, const QDateTime &now) const
{
    const icu::Locale locale = m_locale.icuLocale();
    const qint64 age = date.secsTo(now);
    if (age <= SecondsPerDay) {
        const bool olderThanHalfADay = age > 12 * SecondsPerHour;
        return dateTimeText(date, olderThanHalfADay ? icu::DateFormat::kShort : icu::DateFormat::kNone,
                            icu::DateFormat::kShort, locale);
    }
    const qint64 days =
        std::max<qint64>(1, date.toLocalTime().date().daysTo(now.toLocalTime().date()));
    if (days <= DaysInWords) {
        if (QString words = daysAgoText(days, locale); !words.isEmpty())
            return words;
    }
    return dateTimeText(date, icu::DateFormat::kShort, icu::DateFormat::kNone, locale);
}

QString FXRatesAge::duration(const QDateTime &date, const QDateTime &now) const
{
    const qint64 age = date.secsTo(now);
    const bool inDays = age >= SecondsPerDay;
    const qint64 count = std::max<qint64>(1, age / (inDays ? SecondsPerDay : SecondsPerHour));
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text =
        icu::number::NumberFormatter::withLocale(m_locale.icuLocale())
            .unit(inDays ? icu::MeasureUnit::getDay() : icu::MeasureUnit::getHour())
            .unitWidth(UNUM_UNIT_WIDTH_FULL_NAME)
            .formatInt(count, status)
            .toString(status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString::number(count);
}
