#include "FXCurrencyManager.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXRatesDownloader.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

QStringList codes(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(u' ', Qt::SkipEmptyParts);
}

std::optional<QString> code(const char *text)
{
    return text ? std::optional(QString::fromLatin1(text)) : std::nullopt;
}

// A catalogue over the seed rates, a pinned locale and a country that the test sets.
class CurrencyCatalogue : public TemporaryHomeTest {
protected:
    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    FXUserDefaults defaults{home.configHome() + QStringLiteral("/group.conf")};
    FXRatesFile file{home.dataHome() + QStringLiteral("/CurrencyRates.plist")};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    FXRatesDownloader downloader;
    std::optional<QString> country;
    FXCurrencyManager currencies{table, file, settings, locale, [this] { return country; },
                                 downloader, center};

    void SetUp() override { QDir().mkpath(home.dataHome()); }
};

struct MainCurrencyCase {
    const char *name;
    bool locationBased;
    const char *country;
    const char *fixed;
    const char *locale;
    const char *expected;
};

class MainCurrencyPrecedence : public CurrencyCatalogue,
                               public ::testing::WithParamInterface<MainCurrencyCase> {};

}

TEST_P(MainCurrencyPrecedence, DecidesTheMainCurrency)
{
    const MainCurrencyCase &c = GetParam();
    settings.setLocationBasedCurrencyEnabled(c.locationBased);
    country = code(c.country);
    settings.setDefaultCurrency(code(c.fixed));
    locale.setIdentifier(QString::fromLatin1(c.locale));
    EXPECT_EQ(currencies.defaultCurrency(), code(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, MainCurrencyPrecedence, ::testing::Values(
    MainCurrencyCase{"LocationOnNoCountryTakesTheLocale", true, nullptr, "EUR", "en_US", "USD"},
    MainCurrencyCase{"LocationOnWithCountryKeepsTheFixed", true, "JP", "EUR", "en_US", "EUR"},
    MainCurrencyCase{"LocationOnWithCountryNothingFixed", true, "JP", nullptr, "de_CH", "CHF"},
    MainCurrencyCase{"LocationOffTakesTheFixed", false, nullptr, "GBP", "en_US", "GBP"},
    MainCurrencyCase{"LocationOffNothingFixed", false, nullptr, nullptr, "de_DE", "EUR"},
    MainCurrencyCase{"NoCurrencyAnywhere", false, nullptr, nullptr, "de", nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CurrencyCatalogue, TheMainCurrencyLeadsTheRowsAndLeavesTheVisibleOnes)
{
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("EUR"));
    EXPECT_EQ(currencies.userPreferredCurrencies(), codes("USD GBP JPY BTC"));
    EXPECT_EQ(currencies.userPreferredCurrenciesIncludingMain(), codes("EUR USD GBP JPY BTC"));

    settings.setDefaultCurrency(QStringLiteral("CHF"));
    EXPECT_EQ(currencies.userPreferredCurrenciesIncludingMain(), codes("CHF USD EUR GBP JPY BTC"));
    const QStringList available = currencies.availableAuxCurrencies();
    EXPECT_FALSE(available.contains(u"CHF"_qs));
    for (const QString &visible : settings.visibleCurrencies())
        EXPECT_FALSE(available.contains(visible)) << visible.toStdString();
    EXPECT_EQ(available.size(), currencies.allCurrencies().size() - 6);
}

TEST_F(CurrencyCatalogue, ListsDropEveryCopyOfACode)
{
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("EUR"));
    defaults.setObject(codes("EUR USD EUR NOK"), QStringLiteral("VisibleCurrencies"));
    EXPECT_EQ(currencies.userPreferredCurrenciesIncludingMain(), codes("EUR USD NOK"));
    EXPECT_FALSE(currencies.availableAuxCurrencies().contains(u"NOK"_qs));
}

TEST_F(CurrencyCatalogue, AuxCurrenciesAreTheTableWithoutTheMainOnes)
{
    const QStringList aux = currencies.auxCurrencies();
    EXPECT_EQ(aux.size(), currencies.allCurrencies().size() - 5);
    for (const QString &main : currencies.mainCurrencies())
        EXPECT_FALSE(aux.contains(main));
    EXPECT_TRUE(std::is_sorted(aux.begin(), aux.end()));
}

TEST_F(CurrencyCatalogue, TheSourceCurrencyFollowsTheMainOneUntilSet)
{
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("EUR"));
    EXPECT_EQ(currencies.userBaseCurrency(), u"EUR");

    currencies.setUserBaseCurrency(QStringLiteral("JPY"));
    settings.setDefaultCurrency(QStringLiteral("GBP"));
    EXPECT_EQ(currencies.userBaseCurrency(), u"JPY");

    currencies.setUserBaseCurrency(std::nullopt);
    EXPECT_EQ(currencies.userBaseCurrency(), u"GBP");
}

TEST_F(CurrencyCatalogue, NamesAndSignsFollowTheLocale)
{
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("EUR")), u"Euro");
    EXPECT_EQ(currencies.currencySignForCode(QStringLiteral("GBP")), u"£");
    EXPECT_EQ(currencies.currencySignForCode(QStringLiteral("BTC")), u"BTC");
    EXPECT_FALSE(currencies.currencyNameForCode(QStringLiteral("ABC")));

    locale.setIdentifier(QStringLiteral("fr_FR"));
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("GBP")), u"livre sterling");
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("BTC")), u"Bitcoin");
    EXPECT_EQ(currencies.currentDecimalSeparator(), u",");
}

TEST_F(CurrencyCatalogue, EverySeedCurrencyHasASign)
{
    for (const QString &code : currencies.allCurrencies())
        EXPECT_FALSE(currencies.currencySignForCode(code).isEmpty()) << code.toStdString();
}
