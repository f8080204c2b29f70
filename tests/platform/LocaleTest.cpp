#include "FXLocale.h"
#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

struct Separators { const char *locale; const char16_t *decimal, *grouping; const char *currency; };

class LocaleSeparators : public ::testing::TestWithParam<Separators> {};

std::optional<QString> text(const char *value)
{
    return value ? std::optional(QString::fromUtf8(value)) : std::nullopt;
}

struct EnvironmentGuard {   // restores the locale variables that a test changes
    static constexpr const char *Variables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    QByteArray saved[3] = {qgetenv(Variables[0]), qgetenv(Variables[1]), qgetenv(Variables[2])};
    ~EnvironmentGuard() { for (int i = 0; i < 3; ++i) qputenv(Variables[i], saved[i]); }
};

}

TEST_P(LocaleSeparators, ComeFromTheLocaleData)
{
    const Separators expected = GetParam();
    const FXLocale locale(QString::fromLatin1(expected.locale));
    EXPECT_EQ(locale.decimalSeparator(), QString::fromUtf16(expected.decimal));
    EXPECT_EQ(locale.groupingSeparator(), QString::fromUtf16(expected.grouping));
    EXPECT_EQ(locale.currencyCode(), text(expected.currency));
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleSeparators, ::testing::Values(
    Separators{"en_US", u".", u",", "USD"},
    Separators{"de_DE", u",", u".", "EUR"},
    Separators{"fr_FR", u",", u"\u202f", "EUR"},
    Separators{"ar_EG", u"\u066b", u"\u066c", "EGP"},
    Separators{"de", u",", u".", nullptr}),   // a language without a region has no currency
    [](const auto &info) { return std::string(info.param.locale); });

TEST(Locale, PosixAndBcp47NamesMapToIcuIdentifiers)
{
    const std::pair<const char *, const char *> names[] = {
        {"de_DE.UTF-8@euro", "de_DE"}, {"de-CH", "de_CH"}, {"C", "en_US"},
        {"C.UTF-8", "en_US"}, {"POSIX", "en_US"}, {"", "en_US"},
    };
    for (const auto &[name, icuId] : names)
        EXPECT_EQ(FXLocale::icuIdentifier(QString::fromLatin1(name)), text(icuId)) << name;
    EXPECT_TRUE(FXLocale::isKnownLocale(QStringLiteral("pt-BR")));
    EXPECT_TRUE(FXLocale::isKnownLocale(QStringLiteral("C")));
    EXPECT_FALSE(FXLocale::isKnownLocale(QStringLiteral("xx_YY")));
}

TEST(Locale, EnvironmentIsReadLikeAnyLinuxProgram)
{
    EnvironmentGuard guard;
    const char *const cases[][4] = {   // LC_ALL, LC_NUMERIC, LANG -> the identifier
        {"", "de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"},
        {"ja_JP.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ja_JP"},
        {"", "", "fr_FR.UTF-8", "fr_FR"},
        {"", "", "", "en_US"},
    };
    for (const auto &c : cases) {
        for (int i = 0; i < 3; ++i)
            qputenv(EnvironmentGuard::Variables[i], c[i]);
        EXPECT_EQ(FXLocale::identifierFromEnvironment(), QString::fromLatin1(c[3])) << c[3];
    }
}

TEST(Locale, CurrencyNamesFollowTheLanguageAndUnknownCodesHaveNone)
{
    const FXLocale german(QStringLiteral("de_DE"));
    EXPECT_EQ(german.displayNameForCurrency(QStringLiteral("JPY")), u"Japanischer Yen");
    EXPECT_FALSE(german.displayNameForCurrency(QStringLiteral("BTC")));
    EXPECT_FALSE(german.symbolForCurrency(QStringLiteral("QQQ")));
}

TEST(Locale, CountriesHaveTheirCurrencies)
{
    const std::pair<const char *, const char *> cases[] = {
        {"DE", "EUR"}, {"us", "USD"}, {"EC", "USD"},
        // Antarctica, the unknown region, a macro-region and no code at all have no currency.
        {"AQ", nullptr}, {"ZZ", nullptr}, {"150", nullptr}, {"D", nullptr},
    };
    for (const auto &[country, currency] : cases)
        EXPECT_EQ(FXLocale::currencyCodeForRegion(QString::fromLatin1(country)), text(currency))
            << country;
}

TEST(Locale, ReplacingItAnnouncesTheChangeOnce)
{
    FXNotificationCenter center;
    FXLocale locale(QStringLiteral("en_US"), &center);
    int posts = 0;
    center.addObserver(&posts, FXCurrentLocaleDidChangeNotification,
                       [&](const FXNotification &) { ++posts; }, &locale);
    const quint64 before = locale.generation();

    locale.setIdentifier(QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(posts, 1);
    EXPECT_NE(locale.generation(), before);
    EXPECT_EQ(locale.decimalSeparator(), u",");
    locale.setIdentifier(QStringLiteral("de_DE"));
    EXPECT_EQ(posts, 1);
}
