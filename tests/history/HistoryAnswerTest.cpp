#include "FXHistoryAnswer.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

const QString EUR = QStringLiteral("EUR");

QDate day(int dayOfMonth) { return QDate(2025, 12, dayOfMonth); }

}

TEST(HistoryAnswer, GivesEachAskedCurrencysDaysInOrderOrWhyNot)
{
    // The series, or how a refusal's reason starts.
    const struct { const char *name; QMap<QString, FXRateSeries> series; const char *failure, *body; }
        cases[] = {
        {"one currency", {{EUR, {{day(8), 0.91}, {day(9), 0.92}}}}, "",
         R"({"currency":"EUR","base":"USD","rates":[["2025-12-09",0.92],["2025-12-08",0.91]]})"},
        {"an object by code", {{EUR, {{day(8), 0.91}}}}, "",
         R"({"EUR":{"currency":"EUR","base":"USD","rates":[["2025-12-08","0.91"]]}})"},
        {"entries that are no day and rate", {{EUR, {{day(12), 0.93}}}}, "",
         R"({"currency":"EUR","rates":[["2025-12-08",0.91,1],["8.12.2025",0.9],["2025-12-10","1e3"],
             ["2025-12-11",true],["2025-11-30",0.9],["2026-01-01",0.9],[null,0.9],"x",
             ["2025-12-12","0.93"]]})"},
        {"a member not asked for or of another base", {}, "the answer holds no history",
         R"([{"currency":"GBP","base":"USD","rates":[["2025-12-08",0.8]]},
             {"currency":"EUR","base":"CHF","rates":[["2025-12-08",0.9]]}])"}};
    for (const auto &c : cases) {
        const FXHistoryAnswer read = FXHistoryAnswer::read(c.body, {EUR}, day(1), day(31));
        EXPECT_EQ(read.series, c.series) << c.name;
        EXPECT_EQ(read.failure.left(qstrlen(c.failure)), QString::fromUtf8(c.failure)) << c.name;
        EXPECT_EQ(read.failure.isEmpty(), !*c.failure) << c.name;
    }
}
