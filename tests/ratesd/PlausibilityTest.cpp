#include "FXBaseRates.h"
#include "FXCurrencyApiRates.h"
#include "FXCurrencyCodes.h"
#include "FXPlausibility.h"
#include "RatesServiceSupport.h"

namespace {

FXRateMap seed()
{
    return FXBaseRates::read(FXBaseRates::seedPath()).rates().rates;
}

FXDatedRates day(int dayOfMonth, const FXRateMap &rates)
{
    return {rates, utc(2026, 12, dayOfMonth)};
}

FXRateMap rates(std::initializer_list<std::pair<const char *, double>> entries)
{
    FXRateMap map;
    for (const auto &[code, fromBase] : entries)
        map.insert(QString::fromLatin1(code), FXRates::fromBase(fromBase));
    return map;
}

}

// The API's genuine errors of 2021-08-03 (ERN is pegged at 15, XPD near 0.0008) held, sound rates not.
TEST(Plausibility, HoldsBackTheRealApiErrors)
{
    const FXReadResult read = FXCurrencyApiRates::read(realRates("api-old-vilmosnagy-usd-2021-08-03.json"),
                                                       FXCurrencyCodes::shared());
    const FXDatedRates real = read.rates();
    const FXScreenedRates screened = FXPlausibility::screen(real, {}, {}, seed(), {}, false);
    for (const QString &code : codes("ERN XPD XAG XPT WST"))
        EXPECT_TRUE(screened.held.contains(code)) << code.toStdString();
    for (const QString &code : codes("EUR GBP JPY CHF XOF VND"))
        EXPECT_TRUE(screened.accepted.contains(code)) << code.toStdString();
    EXPECT_EQ(screened.held.value(QStringLiteral("ERN")),
              (FXHeldRate{0.842, QDate(2021, 8, 3), utc(2021, 8, 3), 1}));
    // The bank is measured by nothing.
    EXPECT_TRUE(FXPlausibility::screen(real, {}, {}, seed(), {}, true).held.isEmpty());
}

// A devaluation from 100 to 300: the source keeps its 100 until it has given 300 on three data
// days in a row; a repeat of one day counts once, a different value starts again.
TEST(Plausibility, ReleasesARateRepeatedOnThreeDataDays)
{
    const FXRateMap served = rates({{"ARS", 100}});
    FXScreenedRates state{served, {}};
    const auto answer = [&](int dayOfMonth, double value) {
        state = FXPlausibility::screen(day(dayOfMonth, rates({{"ARS", value}})), state.accepted, state.held, served,
                                       {}, false);
        return state.accepted.value(QStringLiteral("ARS")).fromBase;
    };
    EXPECT_EQ(answer(1, 300), 100);
    EXPECT_EQ(answer(1, 300), 100);   // the same day again
    EXPECT_EQ(answer(2, 310), 100);   // within the tolerance
    EXPECT_EQ(answer(3, 900), 100);   // another value: the count restarts
    EXPECT_EQ(answer(4, 900), 100);
    EXPECT_EQ(answer(5, 905), 905);
    EXPECT_TRUE(state.held.isEmpty());
}

TEST(Plausibility, AcceptsAtOnceWhatAnotherSourceGivesOrWhatIsNew)
{
    const FXRateMap served = rates({{"ARS", 100}, {"EUR", 0.9}});
    const FXScreenedRates screened = FXPlausibility::screen(
        day(1, rates({{"ARS", 300}, {"EUR", 9}, {"AED", 3.67}})), rates({{"EUR", 0.9}}), {}, served,
        {rates({{"ARS", 290}})}, false);
    EXPECT_EQ(screened.accepted, rates({{"ARS", 300}, {"EUR", 0.9}, {"AED", 3.67}}));
    EXPECT_EQ(screened.held.keys(), codes("EUR"));
}
