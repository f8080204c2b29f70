#include "FXCurrencyFilter.h"

#include "FXLocale.h"
#include "TestData.h"

#include <gtest/gtest.h>

TEST(CurrencyFilter, KeepsCodesByCodeOrByAWordOfTheName)
{
    const struct { const char *locale, *filter, *code; bool shown; } searches[] = {
        {"en_US", "fr", "CHF", true},        // Swiss Franc
        {"en_US", "ra", "CHF", false},       // inside a word
        {"en_US", "us", "USD", true},        // by the code
        {"en_US", "ri", "QAR", true},        // Qatari Riyal: the second word
        {"fr_FR", "euro", "EUR", true},      // euro, all lower case
        {"ja_JP", "円", "JPY", true},        // of 日本円, a word of its own
        {"en_US", "", "USD", false},         // the empty text keeps nothing
        {"fr_FR", "E\u0301tats", "USD", true}};   // États-Unis, the accent typed apart
    for (const auto &search : searches) {
        const FXLocale locale(QString::fromLatin1(search.locale));
        const FXCurrencyFilter filter([&locale](const QString &code) {
            return locale.displayNameForCurrency(code);
        });
        EXPECT_EQ(filter.isShown(QString::fromLatin1(search.code), QString::fromUtf8(search.filter)),
                  search.shown) << search.locale << " '" << search.filter << "' " << search.code;
    }
}

TEST(CurrencyFilter, KeepsTheOrderAndCodesWithoutAName)
{
    const FXCurrencyFilter filter([](const QString &code) -> std::optional<QString> {
        if (code == u"XTS")
            return std::nullopt;
        return QStringLiteral("\U0001D400 Mark");   // a letter outside the 16-bit range
    });
    EXPECT_EQ(filter.filteredCurrencies(codes("CCC XTS AAA"), QStringLiteral("mark")), codes("CCC AAA"));
    EXPECT_TRUE(filter.isShown(QStringLiteral("XTS"), QStringLiteral("ts")));
}
