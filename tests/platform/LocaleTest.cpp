#include "FXLocale.h"
#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

struct Separators {
    const char *locale;
    const char16_t *decimal;
    const char16_t *grouping;
    const char *currency;   // nullptr: the locale has no currency
};

class LocaleSeparators : public ::testing::TestWithParam<Separators> {};

struct NameMapping {
    const char *name;
    const char *icuId;
};

class LocaleNames : public ::testing::TestWithParam<NameMapping> {};

class EnvironmentGuard {
public:
    EnvironmentGuard()
    {
        for (const char *variable : Variables)
            m_saved.append(qgetenv(variable));
    }
    ~EnvironmentGuard()
    {
        for (int i = 0; i < 3; ++i)
            qputenv(Variables[i], m_saved[i]);
    }
    static constexpr const char *Variables[3] = {"LC_ALL", "LC_NUMERIC", "LANG"};

private:
    QList<QByteArray> m_saved;
};

std::optional<QString> text(const char *value)
{
    return value ? std::optional(QString::fromUtf8(value)) : std::nullopt;
}

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
    Separators{"de_CH", u".", u"\u2019", "CHF"},
    Separators{"ar_EG", u"\u066b", u"\u066c", "EGP"},
    Separators{"de", u",", u".", nullptr}));   // a language without a region has no currency

TEST_P(LocaleNames, MapToIcuIdentifiers)
{
    EXPECT_EQ(FXLocale::icuIdentifier(QString::fromLatin1(GetParam().name)),
              QString::fromLatin1(GetParam().icuId));
}

INSTANTIATE_TEST_SUITE_P(PosixAndBcp47, LocaleNames, ::testing::Values(
    NameMapping{"de_DE.UTF-8", "de_DE"},
    NameMapping{"de_DE.UTF-8@euro", "de_DE"},
    NameMapping{"de-CH", "de_CH"},
    NameMapping{"fr_FR", "fr_FR"},
    NameMapping{"C", "en_US"},
    NameMapping{"C.UTF-8", "en_US"},
    NameMapping{"POSIX", "en_US"},
    NameMapping{"", "en_US"}));

TEST(Locale, EnvironmentIsReadLikeAnyLinuxProgram)
{
    EnvironmentGuard guard;
    qputenv("LC_ALL", "");
    qputenv("LC_NUMERIC", "de_DE.UTF-8");
    qputenv("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(FXLocale::identifierFromEnvironment(), u"de_DE");

    qputenv("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(FXLocale::identifierFromEnvironment(), u"ja_JP");

    qputenv("LC_ALL", "");
    qputenv("LC_NUMERIC", "");
    EXPECT_EQ(FXLocale::identifierFromEnvironment(), u"fr_FR");

    qputenv("LANG", "");
    EXPECT_EQ(FXLocale::identifierFromEnvironment(), u"en_US");
}

TEST(Locale, KnowsWhichNamesAreLocales)
{
    EXPECT_TRUE(FXLocale::isKnownLocale(QStringLiteral("de_DE")));
    EXPECT_TRUE(FXLocale::isKnownLocale(QStringLiteral("pt-BR")));
    EXPECT_TRUE(FXLocale::isKnownLocale(QStringLiteral("C")));
    EXPECT_FALSE(FXLocale::isKnownLocale(QStringLiteral("xx_YY")));
    EXPECT_FALSE(FXLocale::isKnownLocale(QStringLiteral("!!")));
}

TEST(Locale, CurrencyNamesAndSignsFollowTheLanguage)
{
    const FXLocale english(QStringLiteral("en_US"));
    const FXLocale german(QStringLiteral("de_DE"));
    EXPECT_EQ(english.displayNameForCurrency(QStringLiteral("JPY")), u"Japanese Yen");
    EXPECT_EQ(german.displayNameForCurrency(QStringLiteral("JPY")), u"Japanischer Yen");
    EXPECT_EQ(english.symbolForCurrency(QStringLiteral("EUR")), u"€");
    EXPECT_EQ(english.symbolForCurrency(QStringLiteral("USD")), u"$");
    EXPECT_FALSE(english.displayNameForCurrency(QStringLiteral("BTC")));
    EXPECT_FALSE(english.symbolForCurrency(QStringLiteral("QQQ")));
    EXPECT_FALSE(english.displayNameForCurrency(QStringLiteral("EURO")));
}

TEST(Locale, CountriesHaveTheirCurrencies)
{
    const std::pair<const char *, const char *> cases[] = {
        {"DE", "EUR"}, {"us", "USD"}, {"CH", "CHF"}, {"JP", "JPY"}, {"EC", "USD"},
        {"AQ", nullptr},   // Antarctica has no currency
        {"ZZ", nullptr},   // the unknown region
        {"150", nullptr},  // a macro-region, not a country
        {"D", nullptr},
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
