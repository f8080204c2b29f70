#include "FXBaseRates.h"
#include "FXCurrencyApiRates.h"
#include "FXCurrencyCodes.h"
#include "FXEcbRates.h"
#include "RatesServiceSupport.h"

namespace {

FXReadResult readEcb(const QByteArray &body)
{
    return FXEcbRates::read(body, FXCurrencyCodes::shared());
}

FXReadResult readApi(const QByteArray &body)
{
    return FXCurrencyApiRates::read(body, FXCurrencyCodes::shared());
}

}

TEST(ReadAnswer, TakesTheCodesInUseOnItsDayWithRatesWithinTheBounds)
{
    const struct {
        FXReadResult (*read)(const QByteArray &);
        QByteArray body;
        QDateTime date;
        qsizetype size;        // of the rates, or -1
        const char *present;   // codes among them
        const char *absent;    // codes not among them, or ""
        const char *code;      // and its rates, worked by hand
        double fromBase;
        double toBase;
    } answers[] = {
        // The genuine 90-day file lists its newest day first; LTL and HRK were still in use on it.
        {&readEcb, realRates("ecb-hist-90d-PutridFarm.xml"), utc(2014, 6, 13, 14), -1, "HRK", "", "LTL",
         3.4528 / 1.3534, 1.3534 / 3.4528},
        // Only the day's Cube children in the bank's namespace are its rates; entries out of the
        // bounds or with codes of no currency are dropped, one listed twice at the same rate kept.
        {&readEcb, R"(<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01"
        xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref"><Cube>
        <Cube time="2026-12-03"><Cube currency="USD" rate="4"/><Cube currency="NOK" rate="8"/></Cube>
        <Cube time="2026-12-04"><Cube currency="USD" rate="2"/><Cube currency="jpy" rate="300"/>
            <Cube currency="GBP" rate="-1"/><Cube currency="CHF" rate="1e300"/><Cube currency="SEK" rate="22"/>
            <Cube currency="ZZZ" rate="3"/><Cube currency="XTS" rate="3"/><Cube currency="XXX" rate="3"/>
            <Cube currency="SEK" rate="22"/>
            <gesmes:note><Cube currency="JPY" rate="300"/></gesmes:note>
            <Cube xmlns="urn:other" currency="DKK" rate="15"/></Cube>
        <Cube currency="GBP" rate="0.8"/>
        </Cube></gesmes:Envelope>)", utc(2026, 12, 4, 15), 3, "EUR SEK USD", "", "SEK", 11.0, 1.0 / 11.0},
        // Tokens (eth, 1inch), codes of no currency (zzz), text, zero and negative rates stay out.
        {&readApi, fixture("usd.json"), utc(2026, 12, 6), 8, "AED BTC CHF EUR GBP JPY USD XAU", "", "BTC",
         0.0000105, 1 / 0.0000105},
        // The genuine 2021 answer: dead codes, tokens, the offshore yuan, territories' pounds.
        {&readApi, realRates("api-old-vilmosnagy-usd-2021-08-03.json"), utc(2021, 8, 3), -1,
         "HRK SLL EUR BTC XAG VES", "ECS EEK GQE MZM STD VEF BYR CNH FOK GGP IMP JEP KID TVD ETH", "USD", 1,
         1}};
    for (const auto &answer : answers) {
        SCOPED_TRACE(answer.body.first(std::min<qsizetype>(answer.body.size(), 60)).constData());
        const FXReadResult result = answer.read(answer.body);
        ASSERT_TRUE(result.isSuccess()) << result.failureReason().toStdString();
        const FXRateMap &rates = result.rates().rates;
        EXPECT_EQ(result.rates().date, answer.date);
        if (answer.size >= 0) {
            EXPECT_EQ(rates.size(), answer.size);
        }
        for (const QString &code : codes(answer.present))
            EXPECT_TRUE(rates.contains(code)) << code.toStdString();
        for (const QString &code : codes(answer.absent))
            EXPECT_FALSE(rates.contains(code)) << code.toStdString();
        const FXRate rate = rates.value(QString::fromLatin1(answer.code));
        EXPECT_NEAR(rate.fromBase, answer.fromBase, answer.fromBase * 1e-14) << answer.code;
        EXPECT_NEAR(rate.toBase, answer.toBase, answer.toBase * 1e-14) << answer.code;
    }
}

TEST(UnreadableAnswer, IsRefusedWithItsReason)
{
    const QDate friday(2026, 12, 4);
    const struct {
        FXReadResult (*read)(const QByteArray &);
        QByteArray body;
        const char *reason;   // the start of the reason
    } answers[] = {
        {&readEcb, "", "not XML"},
        {&readEcb, ecbDay(friday, "<Cube currency='JPY' rate='169'/>"), "no USD rate"},
        {&readEcb, ecbDay(friday, "<Cube currency='USD' rate='1e308'/>"), "unusable USD rate: 1e+308"},
        {&readEcb, ecbDay(friday, "<Cube currency='USD' rate='1.10'/><Cube currency='USD' rate='2.20'/>"),
         "USD listed twice on 2026-12-04, at 1.1000000000000001 and 2.2000000000000002"},
        {&readEcb,
         "<Envelope><Cube xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube time='4.12.2026'>"
         "<Cube currency='USD' rate='1'/></Cube></Cube></Envelope>", "unreadable date: 4.12.2026"},
        {&readApi, "", "not JSON"},
        {&readApi, R"({"date": "2026-12-06", "eur": {"usd": 1.07}})", "no \"usd\" table"},
        {&readApi, R"({"date": "2026-12-06", "usd": {"eth": 0.0003, "doge": 7}})", "no usable rates"},
        {&readApi, R"({"date": "2026-12-06", "usd": {"usd": 2}})", "the answer gives USD 2, not 1"},
        {&readApi, R"({"date": "2026-12-06", "usd": {"EUR": 9000, "eur": 0.9}})",
         "EUR listed twice, at 9000 and 0.90000000000000002"},
        {&readApi, R"({"date": "2026-12-06", "usd": {"eur": 0.9}, "usd": {}})", "two \"usd\" tables"},
        {&readApi, realRates("api-old-vilmosnagy-usd-min-nodate.json"), "no date in the answer"},
        {&readApi, R"({"date": "2026-02-30", "usd": {"eur": 0.9}})", "not a date: 2026-02-30"}};
    for (const auto &answer : answers) {
        const FXReadResult result = answer.read(answer.body);
        EXPECT_FALSE(result.isSuccess()) << answer.reason;
        EXPECT_TRUE(result.failureReason().startsWith(QString::fromLatin1(answer.reason)))
            << result.failureReason().toStdString();
    }
}

TEST(BaseRates, ReadsAJsonAnswerAndRefusesAnythingElse)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.json"));
    // The converter's entry rules (a quoted number is a rate, a pair not reciprocal is not), and bounds.
    writeFile(path, R"({"EUR": {"from_base": 0.5, "to_base": 2}, "GBP": {"from_base": "0.8", "to_base": 1.25},
                  "CHF": {"from_base": 0.8, "to_base": 2}, "eur": {"from_base": 1, "to_base": 1},
                  "JPY": {"from_base": 150, "to_base": 0}, "IRR": {"from_base": 2e9, "to_base": 5e-10},
                  "XPD": {"from_base": 1e-9, "to_base": 1e9}, "VND": {"from_base": 1e9, "to_base": 1e-9},
                  "XPT": {"from_base": 0.99e-9, "to_base": 1.01e9}})");
    const FXReadResult json = FXBaseRates::read(path);
    ASSERT_TRUE(json.isSuccess()) << json.failureReason().toStdString();
    EXPECT_EQ(json.rates().rates.keys(), codes("EUR GBP VND XPD"));

    writeFile(path, "EUR 0.5 2\n");
    EXPECT_EQ(FXBaseRates::read(path).failureReason(), QStringLiteral("neither a rates document nor a JSON object"));
    EXPECT_FALSE(FXBaseRates::read(folder.filePath(QStringLiteral("missing.plist"))).isSuccess());
}
