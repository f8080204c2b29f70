#include "FXHistoryAnswer.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

const QDate From(2025, 12, 1);
const QDate To(2025, 12, 31);

struct Answer {
    const char *name;
    const char *body;
    const char *asked;
    // "EUR 2025-12-08=0.91 2025-12-09=0.92; JPY ..." or, for an answer that is refused, how the
    // reason starts.
    const char *series;
    const char *failure;
};

QString written(const QMap<QString, FXRateSeries> &series)
{
    QStringList members;
    for (auto it = series.cbegin(); it != series.cend(); ++it) {
        QString member = it.key();
        for (const FXDayRate &rate : it.value())
            member += u' ' + rate.day.toString(Qt::ISODate) + u'=' + QString::number(rate.fromBase);
        members.append(member);
    }
    return members.join(QStringLiteral("; "));
}

}

TEST(HistoryAnswer, GivesEachAskedCurrencysDaysInOrderOrWhyNot)
{
    const Answer answers[] = {
    Answer{"one currency",
           R"({"currency":"EUR","base":"USD","rates":[["2025-12-09",0.92],["2025-12-08",0.91]]})",
           "EUR", "EUR 2025-12-08=0.91 2025-12-09=0.92", ""},
    Answer{"an object by code",
           R"({"EUR":{"currency":"EUR","base":"USD","rates":[["2025-12-08","0.91"]]}})",
           "EUR", "EUR 2025-12-08=0.91", ""},
    Answer{"entries that are no day and rate",
           R"({"currency":"EUR","rates":[["2025-12-08",0.91,1],["8.12.2025",0.9],["2025-12-10","1e3"],
               ["2025-12-11",true],["2025-11-30",0.9],["2026-01-01",0.9],[null,0.9],"x",
               ["2025-12-12","0.93"]]})",
           "EUR", "EUR 2025-12-12=0.93", ""},
    Answer{"a member not asked for or of another base",
           R"([{"currency":"GBP","base":"USD","rates":[["2025-12-08",0.8]]},
               {"currency":"EUR","base":"CHF","rates":[["2025-12-08",0.9]]}])",
           "EUR", "", "the answer holds no history"},
    Answer{"an error object", R"({"error":"unknown currency"})", "EUR", "", "the answer holds no history"}};
    for (const Answer &answer : answers) {
        const FXHistoryAnswer read = FXHistoryAnswer::read(answer.body, codes(answer.asked), From, To);
        EXPECT_EQ(written(read.series), QString::fromUtf8(answer.series)) << answer.name;
        const QString failure = QString::fromUtf8(answer.failure);
        EXPECT_EQ(read.failure.left(failure.size()), failure) << answer.name;
        EXPECT_EQ(read.failure.isEmpty(), failure.isEmpty()) << answer.name;
    }
}
