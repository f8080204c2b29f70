#pragma once

#include <QDateTime>
#include <QString>

class FXLocale;

// How old rates are, in the words and digits of a locale (ICU's relative and unit formatting):
// the date the status line shows, and the age that a warning about old rates names.
class FXRatesAge {
public:
    explicit FXRatesAge(const FXLocale &locale);

    // `date` as seen at `now`: a time within the last 12 hours (or in the future), a short date and
    // time within a day, then "yesterday" and "3 days ago" by the calendar of the local time zone,
    // and past a week the short date alone.
    QString humanReadableDate(const QDateTime &date, const QDateTime &now) const;
    // How long before `now` `date` was: whole days ("12 days"), under a day whole hours, at least
    // one.
    QString duration(const QDateTime &date, const QDateTime &now) const;

private:
    const FXLocale &m_locale;
};
