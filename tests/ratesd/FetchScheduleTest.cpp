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

struct EcbCase {
    const char *name;
    const char *now;      // Frankfurt time
    const char *answer;   // the day of the answer's data
    const char *next;     // Frankfurt time
};

void PrintTo(const EcbCase &c, std::ostream *out) { *out << c.name; }

class EcbSchedule : public ::testing::TestWithParam<EcbCase> {};

}

TEST_P(EcbSchedule, FollowsThePublicationOnWorkingDays)
{
    const EcbCase &c = GetParam();
    EXPECT_EQ(FXFetchSchedule::nextEcbFetch(frankfurt(c.now).toUTC(), frankfurt(c.answer)), frankfurt(c.next).toUTC());
}

// 2026-12-04 is a Friday.
INSTANTIATE_TEST_SUITE_P(Days, EcbSchedule, ::testing::Values(
    EcbCase{"MorningWithYesterdays", "2026-12-03T09:00:00", "2026-12-02T16:00:00", "2026-12-03T16:10:00"},
    EcbCase{"AfterTodaysPublication", "2026-12-03T16:10:00", "2026-12-03T16:00:00", "2026-12-04T16:10:00"},
    EcbCase{"LatePublication", "2026-12-03T16:10:00", "2026-12-02T16:00:00", "2026-12-03T16:30:00"},
    EcbCase{"TooLateToday", "2026-12-03T18:05:00", "2026-12-02T16:00:00", "2026-12-04T16:10:00"},
    EcbCase{"FridayToMonday", "2026-12-04T16:10:00", "2026-12-04T16:00:00", "2026-12-07T16:10:00"},
    EcbCase{"SummerTime", "2026-06-30T20:00:00", "2026-06-30T16:00:00", "2026-07-01T16:10:00"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RetryDelay, DoublesFromHalfAMinuteUpToAnHour)
{
    using namespace std::chrono_literals;
    const std::pair<int, std::chrono::seconds> cases[] = {
        {1, 30s}, {2, 60s}, {3, 120s}, {7, 1920s}, {8, 3600s}, {40, 3600s}};
    for (const auto &[failures, delay] : cases)
        EXPECT_EQ(FXFetchSchedule::retryDelay(failures), delay) << failures;
}
