#include "FXCurrencyFilter.h"

#include "FXLocale.h"
#include "ReadableName.h"

#include <gtest/gtest.h>

namespace {

struct Search {
    const char *locale;
    const char *filter;   // UTF-8
    const char *code;
    bool shown;
};

std::ostream &operator<<(std::ostream &out, const Search &search)
{
    return out << search.locale << " '" << search.filter << "' " << search.code;
}

class CurrencyFilterSearch : public ::testing::TestWithParam<Search> {};

}

TEST_P(CurrencyFilterSearch, KeepsCodesByCodeOrByAWordOfTheName)
{
    const Search &search = GetParam();
    const FXLocale locale(QString::fromLatin1(search.locale));
    const FXCurrencyFilter filter([&locale](const QString &code) {
        return locale.displayNameForCurrency(code);
    });
    EXPECT_EQ(filter.isShown(QString::fromLatin1(search.code), QString::fromUtf8(search.filter)),
              search.shown);
}

INSTANTIATE_TEST_SUITE_P(Names, CurrencyFilterSearch, ::testing::Values(
    Search{"en_US", "fr", "CHF", true},        // Swiss Franc
    Search{"en_US", "ra", "CHF", false},       // inside a word
    Search{"en_US", "us", "USD", true},        // by the code
    Search{"en_US", "DOLLAR", "CAD", true},
    Search{"en_US", "ri", "QAR", true},        // Qatari Riyal: the second word
    Search{"fr_FR", "euro", "EUR", true},      // euro, all lower case
    Search{"fr_FR", "suisse", "CHF", true},    // franc suisse
    Search{"ja_JP", "\xe5\x86\x86", "JPY", true},      // 円 of 日本円, a word of its own
    Search{"en_US", "", "USD", false},         // the empty text keeps nothing
    Search{"fr_FR", "E\xcc\x81tats", "USD", true}), ReadableName());   // États-Unis, the accent typed apart

TEST(CurrencyFilter, KeepsTheOrderAndCodesWithoutAName)
{
    const FXCurrencyFilter filter([](const QString &code) -> std::optional<QString> {
        if (code == u"XTS")
            return std::nullopt;
        return QStringLiteral("\U0001D400 Mark");   // a letter outside the 16-bit range
    });
    const QStringList codes{QStringLiteral("CCC"), QStringLiteral("XTS"), QStringLiteral("AAA")};
    EXPECT_EQ(filter.filteredCurrencies(codes, QStringLiteral("mark")),
              (QStringList{QStringLiteral("CCC"), QStringLiteral("AAA")}));
    EXPECT_TRUE(filter.isShown(QStringLiteral("XTS"), QStringLiteral("ts")));
}
