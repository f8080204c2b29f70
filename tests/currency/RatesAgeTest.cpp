#include "FXLocale.h"
#include "FXRatesAge.h"

#include <gtest/gtest.h>

// Now is noon: the calendar days of any time zone within 12 hours of UTC are those of UTC.
TEST(RatesAge, IsToldInTheLocalesWordsAndDigits)
{
    const QDateTime now(QDate(2026, 9, 29), QTime(12, 0), Qt::UTC);
    constexpr qint64 Hour = 3600;
    constexpr qint64 Day = 24 * Hour;
    const struct { const char *name, *locale; qint64 secondsBefore; const char *date, *duration; } ages[] = {
        {"a day old to the second: still a date and time", "en_US", Day, "9/28/26, 12:00\u202fPM", "1 day"},
        {"a second more: yesterday", "en_US", Day + 1, "yesterday", "1 day"},
        {"two calendar days back though under 48 hours", "en_US", Day + 13 * Hour, "2 days ago", "1 day"},
        {"a week", "en_US", 7 * Day, "7 days ago", "7 days"},
        {"past a week: the date alone", "en_US", 12 * Day, "9/17/26", "12 days"},
        {"half a day: still the time alone", "en_US", 12 * Hour, "12:00\u202fAM", "12 hours"},
        {"a second more: the date too", "en_US", 12 * Hour + 1, "9/28/26, 11:59\u202fPM", "12 hours"},
        {"a clock behind the date", "en_US", -Hour, "1:00\u202fPM", "1 hour"},
        {"less than an hour", "en_US", 60, "11:59\u202fAM", "1 hour"},
        {"German", "de_DE", 3 * Day, "vor 3 Tagen", "3 Tage"},
        {"Arabic-Indic digits", "ar_EG", 3 * Day, "قبل ٣ أيام", "٣ أيام"},
        {"Arabic with Latin digits", "ar_EG@numbers=latn", 12 * Day, "17‏/9‏/2026", "12 يومًا"}};
    for (const auto &age : ages) {
        const FXLocale locale(QString::fromLatin1(age.locale));
        const FXRatesAge words(locale);
        const QDateTime date = now.addSecs(-age.secondsBefore);
        EXPECT_EQ(words.humanReadableDate(date, now), QString::fromUtf8(age.date)) << age.name;
        EXPECT_EQ(words.duration(date, now), QString::fromUtf8(age.duration)) << age.name;
    }
}
