#include "FXLocale.h"
#include "FXRatesAge.h"
#include "ReadableName.h"

#include <gtest/gtest.h>

namespace {

// Noon, so that the calendar days of any time zone within 12 hours of UTC are those of UTC.
const QDateTime Now(QDate(2026, 9, 29), QTime(12, 0), Qt::UTC);

struct Age {
    const char *name;
    const char *locale;
    qint64 seconds;        // before now
    const char *date;      // as the status line shows it
    const char *duration;  // as a warning names it
};
void PrintTo(const Age &age, std::ostream *out) { *out << age.name; }
class RatesAge : public ::testing::TestWithParam<Age> {};

constexpr qint64 Hour = 3600;
constexpr qint64 Day = 24 * Hour;

}

TEST_P(RatesAge, IsToldInTheLocalesWordsAndDigits)
{
    const FXLocale locale(QString::fromLatin1(GetParam().locale));
    const FXRatesAge age(locale);
    const QDateTime date = Now.addSecs(-GetParam().seconds);
    EXPECT_EQ(age.humanReadableDate(date, Now), QString::fromUtf8(GetParam().date));
    EXPECT_EQ(age.duration(date, Now), QString::fromUtf8(GetParam().duration));
}

INSTANTIATE_TEST_SUITE_P(Locales, RatesAge, ::testing::Values(
    Age{"en, a day old to the second: still a date and time", "en_US", Day, "9/28/26, 12:00\u202fPM", "1 day"},
    Age{"en, a second more: yesterday", "en_US", Day + 1, "yesterday", "1 day"},
    Age{"en, two calendar days back though under 48 hours", "en_US", Day + 13 * Hour, "2 days ago", "1 day"},
    Age{"en, a week", "en_US", 7 * Day, "7 days ago", "7 days"},
    Age{"en, past a week: the date alone", "en_US", 12 * Day, "9/17/26", "12 days"},
    Age{"en, hours under a day", "en_US", 5 * Hour + 59 * 60, "6:01\u202fAM", "5 hours"},
    Age{"en, half a day: still the time alone", "en_US", 12 * Hour, "12:00\u202fAM", "12 hours"},
    Age{"en, a second more: the date too", "en_US", 12 * Hour + 1, "9/28/26, 11:59\u202fPM", "12 hours"},
    Age{"en, a clock behind the date", "en_US", -Hour, "1:00\u202fPM", "1 hour"},
    Age{"en, less than an hour", "en_US", 60, "11:59\u202fAM", "1 hour"},
    Age{"de, three days", "de_DE", 3 * Day, "vor 3 Tagen", "3 Tage"},
    Age{"ar, three days in Arabic-Indic digits", "ar_EG", 3 * Day, "قبل ٣ أيام", "٣ أيام"},
    Age{"ar with Latin digits", "ar_EG@numbers=latn", 12 * Day, "17‏/9‏/2026", "12 يومًا"},
    Age{"fa, three days in Persian digits", "fa_IR", 3 * Day, "۳ روز پیش", "۳ روز"}),
    ReadableName());
