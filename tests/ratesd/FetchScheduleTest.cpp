#include "FXFetchSchedule.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

QDateTime frankfurt(const char *text)
{
    QDateTime local = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    local.setTimeZone(QTimeZone("Europe/Berlin"));
    return local;
}

}

// 2026-12-04 is a Friday.
TEST(EcbSchedule, FollowsThePublicationOnWorkingDays)
{
    const struct {
        const char *now;      // Frankfurt time
        const char *answer;   // the day of the answer's data
        const char *next;     // Frankfurt time
    } cases[] = {
        {"2026-12-03T09:00:00", "2026-12-02T16:00:00", "2026-12-03T16:10:00"},
        {"2026-12-03T16:10:00", "2026-12-02T16:00:00", "2026-12-03T16:30:00"},   // late
        {"2026-12-03T18:05:00", "2026-12-02T16:00:00", "2026-12-04T16:10:00"},   // too late today
        {"2026-12-04T16:10:00", "2026-12-04T16:00:00", "2026-12-07T16:10:00"},
        {"2026-06-30T20:00:00", "2026-06-30T16:00:00", "2026-07-01T16:10:00"}};   // summer time
    for (const auto &c : cases)
        EXPECT_EQ(FXFetchSchedule::nextEcbFetch(frankfurt(c.now).toUTC(), frankfurt(c.answer)),
                  frankfurt(c.next).toUTC()) << c.now;
}

TEST(RetryDelay, DoublesFromHalfAMinuteUpToAnHour)
{
    using namespace std::chrono_literals;
    const std::pair<int, std::chrono::seconds> cases[] = {
        {1, 30s}, {2, 60s}, {3, 120s}, {7, 1920s}, {8, 3600s}, {40, 3600s}};
    for (const auto &[failures, delay] : cases)
        EXPECT_EQ(FXFetchSchedule::retryDelay(failures), delay) << failures;
}
