#include "FXBaseRates.h"
#include "FXCurrencyApiRates.h"
#include "FXEcbRates.h"
#include "FXIsoCurrencies.h"
#include "RatesServiceSupport.h"
#include "ReadableName.h"
#include "TestData.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QSet<QString> apiCodes()
{
    QSet<QString> codes = FXIsoCurrencies::currentCodes();
    codes.insert(QStringLiteral("BTC"));
    return codes;
}

void expectRate(const FXRateMap &rates, const char *code, double fromBase, double toBase)
{
    const QString key = QString::fromLatin1(code);
    ASSERT_TRUE(rates.contains(key)) << code;
    EXPECT_NEAR(rates[key].fromBase, fromBase, std::abs(fromBase) * 1e-14) << code;
    EXPECT_NEAR(rates[key].toBase, toBase, std::abs(toBase) * 1e-14) << code;
}

QDateTime utc(int year, int month, int day, int hour = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

FXReadResult readApi(const QByteArray &body)
{
    return FXCurrencyApiRates::read(body, apiCodes());
}

struct Unusable {
    const char *name;
    FXReadResult (*read)(const QByteArray &);
    QByteArray body;
    const char *reason;   // the start of the reason
};

void PrintTo(const Unusable &answer, std::ostream *out) { *out << answer.name; }

}

// Worked by hand from the fixture's EUR->USD 1.0867: JPY 169.03 / 1.0867, and so on.
TEST(EcbRates, ConvertsTheDayToTheDollarBase)
{
    const FXReadResult result = FXEcbRates::read(fixture("eurofxref-daily.xml"));
    ASSERT_TRUE(result.isSuccess()) << result.failureReason().toStdString();
    const FXRateMap &rates = result.rates().rates;
    EXPECT_EQ(rates.size(), 15);   // the fourteen published and the euro
    expectRate(rates, "USD", 1.0, 1.0);
    expectRate(rates, "EUR", 0.920217171252415570, 1.0867);
    expectRate(rates, "JPY", 155.544308456795804, 0.00642903626575164172);
    expectRate(rates, "GBP", 0.784098647280758259, 1.27534973241949113);
    // Published at 16:00 in Frankfurt, which is 15:00 UTC in winter.
    EXPECT_EQ(result.rates().date, utc(2026, 12, 4, 15));
}

TEST(EcbRates, TakesTheLatestOfSeveralDaysAndSkipsUnusableEntries)
{
    const FXReadResult result = FXEcbRates::read(R"(<Envelope><Cube>
        <Cube time="2026-12-04"><Cube currency="USD" rate="2"/><Cube currency="jpy" rate="300"/>
            <Cube currency="GBP" rate="-1"/><Cube currency="CHF" rate="n/a"/><Cube currency="SEK" rate="22"/></Cube>
        <Cube time="2026-12-03"><Cube currency="USD" rate="4"/><Cube currency="NOK" rate="8"/></Cube>
        </Cube></Envelope>)");
    ASSERT_TRUE(result.isSuccess()) << result.failureReason().toStdString();
    EXPECT_EQ(result.rates().rates.keys(), codes("EUR SEK USD"));
    expectRate(result.rates().rates, "SEK", 11.0, 1.0 / 11.0);
}

TEST(CurrencyApiRates, TakesIsoCodesAndBitcoinWithPositiveNumbers)
{
    const FXReadResult result = FXCurrencyApiRates::read(fixture("usd.json"), apiCodes());
    ASSERT_TRUE(result.isSuccess()) << result.failureReason().toStdString();
    // Tokens (eth, 1inch), codes of no currency (zzz), text, zero and negative rates stay out.
    EXPECT_EQ(result.rates().rates.keys(),
              codes("AED BTC CHF EUR GBP JPY USD XAU"));
    expectRate(result.rates().rates, "BTC", 0.0000105, 95238.0952380952381);
    expectRate(result.rates().rates, "AED", 3.6725, 0.272294077603812117);
    EXPECT_EQ(result.rates().date, utc(2026, 12, 6));
}

class UnreadableAnswer : public ::testing::TestWithParam<Unusable> {};

TEST_P(UnreadableAnswer, IsRefusedWithItsReason)
{
    const FXReadResult result = GetParam().read(GetParam().body);
    EXPECT_FALSE(result.isSuccess());
    EXPECT_TRUE(result.failureReason().startsWith(QString::fromLatin1(GetParam().reason)))
        << result.failureReason().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Answers, UnreadableAnswer, ::testing::Values(
    Unusable{"EcbEmpty", &FXEcbRates::read, "", "not XML"},
    Unusable{"EcbErrorPage", &FXEcbRates::read, "<html><body><h1>503 Service Unavailable</h1></body></html>", "no rates"},
    Unusable{"EcbNoDollar", &FXEcbRates::read, "<Cube><Cube time='2026-12-04'><Cube currency='JPY' rate='169'/></Cube></Cube>",
             "no USD rate"},
    Unusable{"EcbBadDate", &FXEcbRates::read, "<Cube><Cube time='4.12.2026'><Cube currency='USD' rate='1'/></Cube></Cube>",
             "unreadable date"},
    Unusable{"ApiEmpty", &readApi, "", "not JSON"},
    Unusable{"ApiOtherBase", &readApi, R"({"date": "2026-12-06", "eur": {"usd": 1.07}})", "no \"usd\" table"},
    Unusable{"ApiOnlyTokens", &readApi, R"({"usd": {"eth": 0.0003, "doge": 7}})", "no usable rates"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BaseRates, ReadsTheSeedOrAJsonAnswerAndRefusesAnythingElse)
{
    EXPECT_EQ(FXBaseRates::read(FXBaseRates::seedPath()).rates().rates.size(), 162);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"EUR": {"from_base": 0.5, "to_base": 2}, "GBP": {"from_base": "0.8", "to_base": 1.25},
                  "eur": {"from_base": 1, "to_base": 1}, "JPY": {"from_base": 150, "to_base": 0}})");
    file.flush();
    const QDateTime modified = QDateTime::currentDateTimeUtc().addDays(-2);
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    const FXReadResult json = FXBaseRates::read(path);
    ASSERT_TRUE(json.isSuccess()) << json.failureReason().toStdString();
    EXPECT_EQ(json.rates().rates.keys(), codes("EUR"));
    EXPECT_EQ(json.rates().date.toSecsSinceEpoch(), modified.toSecsSinceEpoch());

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("EUR 0.5 2\n");
    file.close();
    EXPECT_EQ(FXBaseRates::read(path).failureReason(), QStringLiteral("neither a rates document nor a JSON object"));
    EXPECT_FALSE(FXBaseRates::read(folder.filePath(QStringLiteral("missing.plist"))).isSuccess());
}

struct Entry {
    const char *code;
    double fromBase;
    double toBase;
    bool servable;
};

void PrintTo(const Entry &entry, std::ostream *out) { *out << entry.code << ' ' << entry.fromBase << ' ' << entry.toBase; }

class RateEntry : public ::testing::TestWithParam<Entry> {};

TEST_P(RateEntry, IsServedOnlyWithACapitalCodeAndPositiveFiniteRates)
{
    const Entry &entry = GetParam();
    EXPECT_EQ(FXRates::isServable(QString::fromUtf8(entry.code), {entry.fromBase, entry.toBase}), entry.servable);
}

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Entries, RateEntry, ::testing::Values(
    Entry{"EUR", 0.92, 1.087, true},
    Entry{"eur", 0.92, 1.087, false},
    Entry{"EU", 0.92, 1.087, false},
    Entry{"EURO", 0.92, 1.087, false},
    Entry{"E1R", 0.92, 1.087, false},
    Entry{"ÉUR", 0.92, 1.087, false},
    Entry{"EUR", 0.0, 1.087, false},
    Entry{"EUR", 0.92, -1.087, false},
    Entry{"EUR", infinity, 1.087, false},
    Entry{"EUR", 0.92, notANumber, false}),
    ReadableName());
