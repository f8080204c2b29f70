#include "CurrencyCore.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString EUR = QStringLiteral("EUR"), GBP = QStringLiteral("GBP"), USD = QStringLiteral("USD");

using RatesTable = CurrencyCore;

}

TEST_F(RatesTable, ConvertsThroughTheBaseCurrencyAndListsCurrenciesInCaseInsensitiveOrder)
{
    plant({{USD, rate(1, 1)}, {EUR, rate(0.8, 1.25)}, {GBP, rate(0.8, 1.25)}, {QStringLiteral("aud"), rate(1, 1)},
           {QStringLiteral("AAA"), rate(1.0, 0.1)}, {QStringLiteral("BBB"), rate(10.0, 1.0)},
           {QStringLiteral("TXT"), rate(QStringLiteral("1.5abc"), QStringLiteral(" 2e-1"))},
           {QStringLiteral("NON"), QVariantMap()}});
    EXPECT_EQ(table.allCurrencies(), codes("AAA aud BBB EUR GBP NON TXT USD"));
    EXPECT_EQ(table.convertedAmount(10, EUR, GBP), 10.0);
    // (to base * amount) * from base: (0.1 * 3) * 10 and 0.1 * (3 * 10) differ in the last bit.
    const double converted = table.convertedAmount(3, QStringLiteral("AAA"), QStringLiteral("BBB"));
    EXPECT_EQ(converted, (0.1 * 3.0) * 10.0);
    EXPECT_NE(converted, 0.1 * (3.0 * 10.0));

    EXPECT_EQ(table.convertedAmount(10, QStringLiteral("XYZ"), EUR), 0.0);
    EXPECT_EQ(table.convertedAmount(10, EUR, QStringLiteral("XYZ")), 0.0);
    // Rates stored as text are read as far as they are numbers; missing ones are 0.
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("TXT")), 1.5);
    EXPECT_EQ(table.rateToBaseForCurrency(QStringLiteral("TXT")), 0.2);
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("NON")), 0.0);
}

TEST_F(RatesTable, TheSeedIsStoredInTheQuickFormOnFirstStartAndNeverAgain)
{
    ASSERT_FALSE(QFile::exists(ratesPath()));
    EXPECT_GT(table.allCurrencies().size(), 150);
    // The bits, not isWritable(): to root every file is writable.
    EXPECT_TRUE(QFile::permissions(ratesPath()) & QFile::WriteOwner);
    QFile stored(ratesPath());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_TRUE(stored.read(8) == "bplist00");

    plant({{USD, rate(1, 1)}, {EUR, rate(0.8, 1.25)}});
    FXRatesFile laterFile(ratesPath());
    EXPECT_EQ(FXRatesTable(laterFile, locale).allCurrencies(), (QStringList{EUR, USD}));
}

TEST_F(RatesTable, AFileThatCannotServeIsKeptWhileTheSeedServesAndReadAgainOnceMended)
{
    const struct {
        const char *name;
        std::function<void()> plantIt;
    } unusable[] = {
        {"damaged", [&] {
             QFile planted(ratesPath());
             ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
             planted.write("<?xml version=\"1.0\"?><plist><dict><key>Curr");
         }},
        {"an empty table", [&] { plant({}); }},
        {"no rate of the base currency", [&] { plant({{EUR, rate(0.5, 2.0)}}); }},
    };
    for (const auto &entry : unusable) {
        entry.plantIt();
        const QByteArray planted = contents(ratesPath());
        FXRatesFile plantedFile(ratesPath());
        FXRatesTable plantedTable(plantedFile, locale);
        EXPECT_GT(plantedTable.allCurrencies().size(), 150) << entry.name;
        EXPECT_EQ(contents(ratesPath()), planted) << entry.name;
        plant({{USD, rate(1, 1)}, {EUR, rate(0.25, 4.0)}});
        EXPECT_EQ(plantedTable.rateFromBaseForCurrency(EUR), 0.25) << entry.name;
    }
}

// Whatever stands at the path and cannot be read, the seed serves at once and nothing is replaced.
TEST_F(RatesTable, ASpecialFileOrADanglingLinkAtThePathIsLeftAloneWhileTheSeedServes)
{
    const QByteArray path = QFile::encodeName(ratesPath());
    const std::pair<const char *, std::function<int()>> entries[] = {
        {"a FIFO", [&] { return ::mkfifo(path.constData(), 0644); }},
        {"a link to the zero device", [&] { return ::symlink("/dev/zero", path.constData()); }},
        {"a dangling link", [&] { return ::symlink("missing.plist", path.constData()); }}};
    for (const auto &[name, make] : entries) {
        QFile::remove(ratesPath());
        ASSERT_EQ(make(), 0) << name;
        const QFileInfo before(ratesPath());
        FXRatesFile entryFile(ratesPath());
        EXPECT_GT(FXRatesTable(entryFile, locale).allCurrencies().size(), 150) << name;
        EXPECT_EQ(QFileInfo(ratesPath()).isSymLink(), before.isSymLink()) << name;
        EXPECT_EQ(QFileInfo(ratesPath()).isFile(), before.isFile()) << name;
    }
}
