#include "CurrencyCore.h"

#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString EUR = QStringLiteral("EUR"), GBP = QStringLiteral("GBP"), USD = QStringLiteral("USD");

using RatesTable = CurrencyCore;

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

}

TEST_F(RatesTable, ConvertsThroughTheBaseCurrencyAndListsCurrenciesInOrder)
{
    plant({{USD, rate(1, 1)}, {EUR, rate(0.8, 1.25)}, {GBP, rate(0.8, 1.25)},
           {QStringLiteral("AAA"), rate(10.0, 0.1)}, {QStringLiteral("BBB"), rate(10.0, 0.1)}});
    EXPECT_EQ(table.allCurrencies(), codes("AAA BBB EUR GBP USD"));
    EXPECT_EQ(table.convertedAmount(10, EUR, GBP), 10.0);
    // (to base * amount) * from base: (0.1 * 3) * 10 and 0.1 * (3 * 10) differ in the last bit.
    EXPECT_EQ(table.convertedAmount(3, QStringLiteral("AAA"), QStringLiteral("BBB")), (0.1 * 3.0) * 10.0);

    EXPECT_EQ(table.convertedAmount(10, QStringLiteral("XYZ"), EUR), 0.0);
    EXPECT_EQ(table.convertedAmount(10, EUR, QStringLiteral("XYZ")), 0.0);
}

TEST_F(RatesTable, TheSeedIsStoredWritableOnFirstStart)
{
    ASSERT_FALSE(QFile::exists(ratesPath()));
    EXPECT_GT(table.allCurrencies().size(), 150);
    // The bits, not isWritable(): to root every file is writable.
    EXPECT_TRUE(QFile::permissions(ratesPath()) & QFile::WriteOwner);
}

// A refused entry takes the seed's rates. An answer's entries are read by the same rules, and a
// refused one keeps its last known rates as an entry missing from the answer does.
TEST_F(RatesTable, AnEntryIsTakenOnlyWhenItsRatesAreSoundElseTheSeeds)
{
    const struct { const char *name, *json; std::optional<double> fromBase; } entries[] = {   // none: refused
        {"numbers", R"({"from_base": 0.8, "to_base": 1.25})", 0.8},
        {"quoted numbers", R"({"from_base": "0.8", "to_base": "1.25"})", 0.8},
        {"second rate rounded", R"({"from_base": 0.8, "to_base": 1.2508})", 0.8},
        {"rates that disagree", R"({"from_base": 0.8, "to_base": 1.2513})", std::nullopt},
        {"negative", R"({"from_base": -0.8, "to_base": -1.25})", std::nullopt},
        {"missing", R"({"to_base": 1.25})", std::nullopt},
        {"booleans", R"({"from_base": true, "to_base": true})", std::nullopt},
        {"text after", R"({"from_base": "0.8abc", "to_base": "1.25 EUR"})", std::nullopt},
        {"exponents", R"({"from_base": "8e-1", "to_base": "1.25"})", std::nullopt},
        {"tiny and huge", R"({"from_base": 1e-320, "to_base": 1e300})", std::nullopt}};
    for (const auto &entry : entries) {
        plant({{USD, rate(1, 1)}, {EUR, QJsonDocument::fromJson(entry.json).toVariant()}});
        FXRatesFile plantedFile(ratesPath());
        const double seedFromBase = FXRatesDocument(*plantedFile.seed()).rate(EUR).fromBase;
        EXPECT_EQ(FXRatesTable(plantedFile, locale).rateFromBaseForCurrency(EUR),
                  entry.fromBase.value_or(seedFromBase)) << entry.name;
    }
}

// Whatever stands at the path and cannot serve is left alone while the seed serves, and read once mended.
TEST_F(RatesTable, AnEntryThatCannotServeIsLeftAloneWhileTheSeedServesAndReadAgainOnceMended)
{
    const QByteArray path = QFile::encodeName(ratesPath());
    const std::pair<const char *, std::function<void()>> entries[] = {
        {"damaged", [&] { write(ratesPath(), "<?xml version=\"1.0\"?><plist><dict><key>Curr"); }},
        {"no rate of the base currency", [&] { plant({{EUR, rate(0.5, 2.0)}}); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(path.constData(), 0644), 0); }},
        {"a dangling link", [&] { ASSERT_EQ(::symlink("missing.plist", path.constData()), 0); }}};
    // What stands at the path: whether it is a link, and a file's bytes (a FIFO is never read).
    const auto entry = [&] {
        const QFileInfo info(ratesPath());
        return std::pair(info.isSymLink(), info.isFile() ? contents(ratesPath()) : QByteArray("no file"));
    };
    for (const auto &[name, make] : entries) {
        QFile::remove(ratesPath());
        make();
        const auto before = entry();
        FXRatesFile plantedFile(ratesPath());
        FXRatesTable plantedTable(plantedFile, locale);
        EXPECT_GT(plantedTable.allCurrencies().size(), 150) << name;
        EXPECT_EQ(entry(), before) << name;
        QFile::remove(ratesPath());
        plant({{USD, rate(1, 1)}, {EUR, rate(0.25, 4.0)}});
        EXPECT_EQ(plantedTable.rateFromBaseForCurrency(EUR), 0.25) << name;
    }
}

FXRate rateInANewProcess(const QString &path, const FXLocale &locale, const QString &currency)
{
    FXRatesFile file(path);
    const FXRatesTable table(file, locale);
    return {table.rateFromBaseForCurrency(currency), table.rateToBaseForCurrency(currency)};
}

TEST_F(RatesTable, TheCompactCopyServesOnlyTheVersionOfTheFileItWasMadeFromWhenWhole)
{
    QVariantMap planted = ratesDocument({{USD, rate(1, 1)}, {EUR, rate(0.9, 1.1111)},
                                         {QStringLiteral("aud"), rate(QStringLiteral("2.5x"), 0.4)},
                                         {QStringLiteral("NON"), QVariantMap()}});
    planted.insert(QStringLiteral("RatesDate"), QDateTime(QDate(2026, 9, 25), QTime(16, 0), Qt::UTC));
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(planted, ratesPath()));
    FXRatesFile(ratesPath()).read();
    const auto copied = FXRatesFile(ratesPath()).read();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->propertyList(),
              FXRatesDocument(*FXPropertyList::readDictionaryFromFile(ratesPath())).propertyList());
    EXPECT_EQ(copied->refusedCodes(), codes("NON aud"));

    const QString copyPath = ratesPath() + QStringLiteral(".cache");
    const std::pair<const char *, std::function<void(QByteArray)>> damages[] = {
        // Before the checksum: the number of refused codes, then the exponent of the last rate.
        {"a bit flipped in the last rate", [&](QByteArray bytes) {
             bytes[bytes.size() - 13] ^= 0x40;
             write(copyPath, bytes);
         }},
        {"empty", [&](const QByteArray &) { write(copyPath, {}); }},
        {"a FIFO", [&](const QByteArray &) {
             QFile::remove(copyPath);
             ::mkfifo(QFile::encodeName(copyPath).constData(), 0644);
         }}};
    for (const auto &[name, damage] : damages) {
        plant({{USD, rate(1, 1)}, {EUR, rate(0.6, 1.6666)}});
        EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR), (FXRate{0.6, 1.6666})) << name;
        const QByteArray good = contents(copyPath);
        damage(good);
        EXPECT_EQ(rateInANewProcess(ratesPath(), locale, USD), (FXRate{1, 1})) << name;
        EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR), (FXRate{0.6, 1.6666})) << name;
        EXPECT_EQ(contents(copyPath).size(), good.size()) << name;
    }
}
