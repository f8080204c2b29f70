#include "FXFetchSchedule.h"

#include <QTimeZone>

#include <algorithm>

namespace {

using namespace std::chrono_literals;

const QTime fetchTime(16, 10);
const QTime publicationTime(16, 0);
const QTime lateRetriesEnd(18, 0);
constexpr auto lateRetryInterval = 20min;

QTimeZone frankfurt()
{
    return QTimeZone("Europe/Berlin");
}

bool isWorkingDay(const QDate &date)
{
    return date.dayOfWeek() <= 5;
}

// The last working day whose publication time has passed at `local`.
QDate latestPublicationDay(const QDateTime &local)
{
    QDate day = local.date();
    if (local.time() < publicationTime)
        day = day.addDays(-1);
    while (!isWorkingDay(day))
        day = day.addDays(-1);
    return day;
}

}

namespace FXFetchSchedule {

QDateTime nextEcbFetch(const QDateTime &now, const QDateTime &answerDate)
{
    const QDateTime local = now.toTimeZone(frankfurt());
    const QDate expected = latestPublicationDay(local);
    const bool late = answerDate.toTimeZone(frankfurt()).date() < expected;
    if (late && expected == local.date() && local.time() < lateRetriesEnd)
        return now.addSecs(std::chrono::seconds(lateRetryInterval).count());

    for (QDate day = local.date();; day = day.addDays(1)) {
        const QDateTime slot(day, fetchTime, frankfurt());
        if (isWorkingDay(day) && slot > now)
            return slot.toUTC();
    }
}

QDateTime nextDailyFetch(const QDateTime &now)
{
    return now.addSecs(std::chrono::seconds(24h).count());
}

std::chrono::seconds retryDelay(int consecutiveFailures)
{
    const int doublings = std::clamp(consecutiveFailures - 1, 0, 7);
    return std::min<std::chrono::seconds>(30s * (1 << doublings), 1h);
}

}
