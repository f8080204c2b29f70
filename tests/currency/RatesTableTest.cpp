#include "FXRatesTable.h"

#include "FXLocale.h"
#include "FXPropertyList.h"
#include "FXRatesFile.h"
#include "TemporaryHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QVariantMap document(const QVariantMap &rates)
{
    QVariantMap currencies;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        const QVariantList pair = it.value().toList();
        QVariantMap entry;
        if (pair.size() == 2) {
            entry.insert(QStringLiteral("from_base"), pair[0]);
            entry.insert(QStringLiteral("to_base"), pair[1]);
        }
        currencies.insert(it.key(), entry);
    }
    return {{QStringLiteral("CurrencyRates"), currencies},
            {QStringLiteral("Date"), QDateTime(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC)}};
}

class RatesTable : public TemporaryHomeTest {
protected:
    QString container() const { return home.dataHome() + QStringLiteral("/group"); }
    QString ratesPath() const { return container() + QStringLiteral("/CurrencyRates.plist"); }

    void SetUp() override { QDir().mkpath(container()); }

    void plant(const QVariantMap &rates)
    {
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document(rates), ratesPath()));
    }
    void plantBytes(const QByteArray &bytes)
    {
        QFile file(ratesPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray storedBytes() const
    {
        QFile file(ratesPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    FXLocale locale{QStringLiteral("en_US")};
    FXRatesFile file{ratesPath()};
    FXRatesTable table{file, locale};
};

const QString EUR = QStringLiteral("EUR");
const QString GBP = QStringLiteral("GBP");

}

TEST_F(RatesTable, ConvertsThroughTheBaseCurrency)
{
    plant({{EUR, QVariantList{0.8, 1.25}}, {GBP, QVariantList{0.8, 1.25}}});
    EXPECT_EQ(table.convertedAmount(10, EUR, GBP), 10.0);
    EXPECT_EQ(table.rateToBaseForCurrency(EUR), 1.25);
    EXPECT_EQ(table.rateFromBaseForCurrency(GBP), 0.8);
}

TEST_F(RatesTable, MultipliesInTheOrderToBaseAmountFromBase)
{
    // (0.1 * 3) * 10 and 0.1 * (3 * 10) differ in the last bit.
    plant({{QStringLiteral("AAA"), QVariantList{1.0, 0.1}},
           {QStringLiteral("BBB"), QVariantList{10.0, 1.0}}});
    const double converted = table.convertedAmount(3, QStringLiteral("AAA"), QStringLiteral("BBB"));
    EXPECT_EQ(converted, (0.1 * 3.0) * 10.0);
    EXPECT_NE(converted, 0.1 * (3.0 * 10.0));
}

TEST_F(RatesTable, UnknownCurrenciesConvertToZero)
{
    plant({{EUR, QVariantList{0.8, 1.25}}});
    EXPECT_EQ(table.convertedAmount(10, QStringLiteral("XYZ"), EUR), 0.0);
    EXPECT_EQ(table.convertedAmount(10, EUR, QStringLiteral("XYZ")), 0.0);
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("XYZ")), 0.0);
}

TEST_F(RatesTable, ACurrencyToItselfGoesThroughBothStoredRates)
{
    plant({{EUR, QVariantList{0.9, 1.1}}});
    EXPECT_EQ(table.convertedAmount(100, EUR, EUR), (1.1 * 100) * 0.9);
}

TEST_F(RatesTable, ReadsRatesWrittenAsTextOrMissing)
{
    plant({{QStringLiteral("TXT"), QVariantList{QStringLiteral("1.5abc"), QStringLiteral(" 2e-1")}},
           {QStringLiteral("NON"), QVariantList{}}});
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("TXT")), 1.5);
    EXPECT_EQ(table.rateToBaseForCurrency(QStringLiteral("TXT")), 0.2);
    EXPECT_EQ(table.rateFromBaseForCurrency(QStringLiteral("NON")), 0.0);
    EXPECT_TRUE(table.allCurrencies().contains(QStringLiteral("NON")));
}

TEST_F(RatesTable, ListsCurrenciesInCaseInsensitiveOrder)
{
    plant({{QStringLiteral("usd"), QVariantList{1, 1}},
           {EUR, QVariantList{1, 1}},
           {QStringLiteral("BTC"), QVariantList{1, 1}}});
    EXPECT_EQ(table.allCurrencies(), (QStringList{u"BTC"_qs, u"EUR"_qs, u"usd"_qs}));
}

TEST_F(RatesTable, TheSeedIsCopiedOnFirstStartAndNeverAgain)
{
    ASSERT_FALSE(QFile::exists(ratesPath()));
    EXPECT_GT(table.allCurrencies().size(), 150);
    ASSERT_TRUE(QFile::exists(ratesPath()));
    EXPECT_TRUE(QFileInfo(ratesPath()).isWritable());

    plant({{EUR, QVariantList{0.8, 1.25}}});
    FXRatesFile laterFile(ratesPath());
    FXRatesTable laterStart(laterFile, locale);
    EXPECT_EQ(laterStart.allCurrencies(), QStringList{EUR});
}

TEST_F(RatesTable, AnUnreadableFileIsKeptWhileTheSeedServes)
{
    const QByteArray garbage("<?xml version=\"1.0\"?><plist><dict><key>Curr");
    plantBytes(garbage);

    EXPECT_GT(table.rateFromBaseForCurrency(EUR), 0.0);
    EXPECT_GT(table.allCurrencies().size(), 150);
    EXPECT_EQ(storedBytes(), garbage);

    // Every use tries the file again: once it is mended, it is the table in force.
    plant({{EUR, QVariantList{0.5, 2.0}}});
    EXPECT_EQ(table.rateFromBaseForCurrency(EUR), 0.5);
}

TEST_F(RatesTable, WithoutAContainerTheSeedServes)
{
    FXRatesFile noContainer(std::nullopt);
    FXRatesTable seedOnly(noContainer, locale);
    EXPECT_GT(seedOnly.convertedAmount(100, QStringLiteral("USD"), EUR), 0.0);
}

TEST_F(RatesTable, AReplacedDocumentIsInForceAtOnce)
{
    plant({{EUR, QVariantList{0.8, 1.25}}});
    EXPECT_EQ(table.rateFromBaseForCurrency(EUR), 0.8);

    table.setCurrencyRates(std::make_shared<const FXRatesDocument>(
        document({{GBP, QVariantList{0.7, 1.4}}})));
    EXPECT_EQ(table.allCurrencies(), QStringList{GBP});
    EXPECT_EQ(table.rateFromBaseForCurrency(EUR), 0.0);
}
