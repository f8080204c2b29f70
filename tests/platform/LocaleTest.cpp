#include "FXLocale.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

std::optional<QString> text(const char *value)
{
    return value ? std::optional(QString::fromUtf8(value)) : std::nullopt;
}

}

TEST(Locale, PosixAndBcp47NamesMapToIcuIdentifiers)
{
    const std::pair<const char *, const char *> names[] = {
        {"de_DE.UTF-8@euro", "de_DE"}, {"de-CH", "de_CH"}, {"C.UTF-8", "en_US"}, {"POSIX", "en_US"},
        {"ar_EG@numbers=latn", "ar_EG@numbers=latn"}, {"ar-EG-u-nu-latn", "ar_EG@numbers=latn"},
    };
    for (const auto &[name, icuId] : names)
        EXPECT_EQ(FXLocale::icuIdentifier(QString::fromLatin1(name)), text(icuId)) << name;
}

// (A name that is empty or unknown, the command line's tests refuse.)
TEST(Locale, AGivenNameIsUsedAsItIsOrRefusedWithTheReason)
{
    const std::pair<const char *, const char *> names[] = {   // the name, why it is refused
        {"pt-BR", ""}, {"C", ""}, {"de_CH@currency=eur", ""},
        {"ar_EG@numbers=xyz", "no decimal numbering system: numbers=xyz"},
        {"en_US@numbers=roman", "no decimal numbering system: numbers=roman"},
        {"de_DE@currency=QQQ", "unknown currency: currency=QQQ"},
        {"de@collation=phonebook",
         "locale keyword not supported: collation=phonebook (numbers and currency are)"},
    };
    for (const auto &[name, reason] : names)
        EXPECT_EQ(FXLocale::checkLocaleName(QLatin1String(name)).failureReason(), QLatin1String(reason))
            << name;
}

TEST(Locale, EnvironmentIsReadLikeAnyLinuxProgram)
{
    const char *const cases[][4] = {   // LC_ALL, LC_NUMERIC, LANG -> the identifier
        {"", "de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"},
        {"ja_JP.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ja_JP"},
        {"", "", "fr_FR.UTF-8", "fr_FR"},
        {"", "", "", "en_US"},
    };
    for (const auto &c : cases) {
        const ScopedEnvironment all("LC_ALL", c[0]), numeric("LC_NUMERIC", c[1]), lang("LANG", c[2]);
        EXPECT_EQ(FXLocale::identifierFromEnvironment(), QString::fromLatin1(c[3])) << c[3];
    }
}

// Antarctica, the unknown region, a macro-region and no code at all have no currency.
TEST(Locale, CountriesHaveTheirCurrencies)
{
    const std::pair<const char *, const char *> cases[] = {
        {"DE", "EUR"}, {"us", "USD"}, {"AQ", nullptr}, {"ZZ", nullptr}, {"150", nullptr}, {"D", nullptr}};
    for (const auto &[country, currency] : cases)
        EXPECT_EQ(FXLocale::currencyCodeForRegion(QString::fromLatin1(country)), text(currency)) << country;
}
