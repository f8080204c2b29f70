#include "CurrencyCore.h"

#include <gtest/gtest.h>

using CurrencyCatalogue = CurrencyCore;

namespace {

std::optional<QString> code(const char *text)
{
    return text ? std::optional(QString::fromLatin1(text)) : std::nullopt;
}

}

TEST_F(CurrencyCatalogue, TheMainCurrencyFollowsTheLocationTheFixedOneOrTheLocale)
{
    const struct { bool locationBased; const char *country, *fixed, *locale, *main; } cases[] = {
        {true, nullptr, "EUR", "en_US", "USD"},   // no country yet: the locale's
        {true, "JP", "EUR", "en_US", "EUR"},
        {true, "JP", nullptr, "de_CH", "CHF"},    // nothing fixed: the locale's
        {false, nullptr, "QQQ", "de_DE", "EUR"},    // not in the rates: the locale's
        {false, nullptr, "gbp", "de_DE", "GBP"},
        {false, nullptr, nullptr, "de", nullptr}};
    for (const auto &c : cases) {
        settings.setLocationBasedCurrencyEnabled(c.locationBased);
        country = code(c.country);
        settings.setDefaultCurrency(code(c.fixed));
        locale.setIdentifier(QString::fromLatin1(c.locale));
        EXPECT_EQ(currencies.defaultCurrency(), code(c.main)) << "case " << &c - cases;
    }
}

TEST_F(CurrencyCatalogue, TheMainCurrencyLeadsTheRowsAndLeavesEveryOtherList)
{
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("EUR"));
    EXPECT_EQ(currencies.userPreferredCurrencies(), codes("USD GBP JPY BTC"));
    EXPECT_EQ(currencies.userPreferredCurrenciesIncludingMain(), codes("EUR USD GBP JPY BTC"));
    defaults.setObject(codes("EUR USD NOK"), QStringLiteral("VisibleCurrencies"));

    settings.setDefaultCurrency(QStringLiteral("CHF"));
    const QStringList available = currencies.availableAuxCurrencies();
    EXPECT_EQ(available.size(), currencies.allCurrencies().size() - 4);
    for (const QString &taken : codes("CHF EUR USD NOK"))
        EXPECT_FALSE(available.contains(taken)) << taken.toStdString();
}

TEST_F(CurrencyCatalogue, NamesAndSignsFollowTheLocale)
{
    EXPECT_EQ(currencies.currencySignForCode(QStringLiteral("BTC")), u"BTC");
    EXPECT_FALSE(currencies.currencyNameForCode(QStringLiteral("ABC")));
    locale.setIdentifier(QStringLiteral("fr_FR"));
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("BTC")), u"Bitcoin");
    // Codes newer than ICU's data have names of our own, in English where the language has none.
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("XCG")), u"Caribbean Guilder");
    locale.setIdentifier(QStringLiteral("de_CH"));
    EXPECT_EQ(currencies.currencyNameForCode(QStringLiteral("ZWG")), u"Simbabwe-Gold");
}
