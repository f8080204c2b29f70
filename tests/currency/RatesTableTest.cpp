#include "CurrencyCore.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
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

// Whatever stands at the path and cannot serve, the seed serves at once and nothing is replaced;
// the file is read again once mended.
TEST_F(RatesTable, AnEntryThatCannotServeIsLeftAloneWhileTheSeedServesAndReadAgainOnceMended)
{
    const QByteArray path = QFile::encodeName(ratesPath());
    const std::pair<const char *, std::function<void()>> entries[] = {
        {"damaged", [&] { write(ratesPath(), "<?xml version=\"1.0\"?><plist><dict><key>Curr"); }},
        {"an empty table", [&] { plant({}); }},
        {"no rate of the base currency", [&] { plant({{EUR, rate(0.5, 2.0)}}); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(path.constData(), 0644), 0); }},
        {"a link to the zero device", [&] { ASSERT_EQ(::symlink("/dev/zero", path.constData()), 0); }},
        {"a dangling link", [&] { ASSERT_EQ(::symlink("missing.plist", path.constData()), 0); }}};
    // What stands at the path: whether it is a link, and a file's bytes (a FIFO or a device is never read).
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

// The rates of a table over a new reader of the file, as in a new process: from the compact copy
// when it serves.
FXRate rateInANewProcess(const QString &path, const FXLocale &locale, const QString &currency)
{
    FXRatesFile file(path);
    const FXRatesTable table(file, locale);
    return {table.rateFromBaseForCurrency(currency), table.rateToBaseForCurrency(currency)};
}

TEST_F(RatesTable, TheCompactCopyServesTheVersionOfTheFileItWasMadeFromAndNoOther)
{
    QVariantMap planted = ratesDocument({{USD, rate(1, 1)}, {EUR, rate(0.9, 1.1111)},
                                         {QStringLiteral("aud"), rate(QStringLiteral("2.5x"), 0.4)},
                                         {QStringLiteral("NON"), QVariantMap()}});
    planted.insert(QStringLiteral("RatesDate"), QDateTime(QDate(2026, 9, 25), QTime(16, 0), Qt::UTC));
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(planted, ratesPath()));
    const auto parsed = FXRatesDocument(*FXPropertyList::readDictionaryFromFile(ratesPath()));
    const auto copied = [&] {
        FXRatesFile reader(ratesPath());
        reader.read();
        return FXRatesFile(ratesPath()).read();
    }();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->propertyList(), parsed.propertyList());
    EXPECT_TRUE(copied->ratesDate().isValid());
    EXPECT_EQ(copied->refusedCodes(), codes("NON aud"));

    // Rewritten in place to the same size and time: only the copy still knows 0.9.
    plant({{USD, rate(1, 1)}, {EUR, rate(0.9, 1.1111)}});
    EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR).fromBase, 0.9);
    const FXFileState made = FXFileState::of(ratesPath());
    const QByteArray rewritten = *FXPropertyList::binaryData(ratesDocument({{USD, rate(1, 1)}, {EUR, rate(0.7, 1.4285)}}));
    ASSERT_EQ(rewritten.size(), made.size);
    write(ratesPath(), rewritten);
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(made.modifiedNanoseconds / 1'000'000'000),
                                                 long(made.modifiedNanoseconds % 1'000'000'000)}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(ratesPath()).constData(), times, 0), 0);
    ASSERT_EQ(FXFileState::of(ratesPath()), made);
    EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR).fromBase, 0.9);

    FXFileState::touch(ratesPath());
    EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR).fromBase, 0.7);
    plant({{USD, rate(1, 1)}, {EUR, rate(0.6, 1.6666)}});
    EXPECT_EQ(rateInANewProcess(ratesPath(), locale, EUR).fromBase, 0.6);
}

// A copy that is not whole, or no file, is never read; the next read of the file makes it again.
TEST_F(RatesTable, ADamagedCopyIsIgnoredAndMadeAgain)
{
    const QString copyPath = ratesPath() + QStringLiteral(".cache");
    const QByteArray encodedCopyPath = QFile::encodeName(copyPath);
    const auto rewrite = [&](const QByteArray &bytes) { write(copyPath, bytes); };
    const std::pair<const char *, std::function<void(QByteArray)>> damages[] = {
        // Before the checksum: the number of refused codes, then the exponent of the last rate.
        {"a bit flipped in the last rate", [&](QByteArray bytes) { bytes[bytes.size() - 13] ^= 0x40; rewrite(bytes); }},
        {"cut short", [&](const QByteArray &bytes) { rewrite(bytes.chopped(20)); }},
        {"empty", [&](const QByteArray &) { rewrite({}); }},
        {"a FIFO", [&](const QByteArray &) { QFile::remove(copyPath); ::mkfifo(encodedCopyPath.constData(), 0644); }},
    };
    for (const auto &[name, damage] : damages) {
        plant({{USD, rate(1, 1)}, {EUR, rate(0.9, 1.1111)}});
        rateInANewProcess(ratesPath(), locale, EUR);
        const QByteArray good = contents(copyPath);
        ASSERT_FALSE(good.isEmpty()) << name;
        damage(good);
        const FXRate usd = rateInANewProcess(ratesPath(), locale, USD);
        const FXRate eur = rateInANewProcess(ratesPath(), locale, EUR);
        EXPECT_TRUE(usd.fromBase == 1 && usd.toBase == 1 && eur.fromBase == 0.9 && eur.toBase == 1.1111) << name;
        EXPECT_EQ(contents(copyPath).size(), good.size()) << name;
    }
}
