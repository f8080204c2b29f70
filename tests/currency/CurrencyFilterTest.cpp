#include "FXCurrencyFilter.h"

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

// Names come from the currency manager, as in the add-currency sheet.
class CurrencySearch : public TemporaryHomeTest, public ::testing::WithParamInterface<Search> {
protected:
    FXLocale locale{QString::fromLatin1(GetParam().locale)};
    FXNotificationCenter center;
    FXUserDefaults defaults{home.configHome() + QStringLiteral("/group.conf")};
    FXRatesFile file{home.dataHome() + QStringLiteral("/CurrencyRates.plist")};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    FXRatesDownloader downloader;
    FXCurrencyManager currencies{table, file, settings, locale, [] { return std::nullopt; },
                                 downloader, center};
    FXCurrencyFilter filter{currencies};
};

}

TEST_P(CurrencySearch, KeepsCodesByCodeOrByAWordOfTheName)
{
    const Search &search = GetParam();
    EXPECT_EQ(filter.isShown(QString::fromLatin1(search.code), QString::fromUtf8(search.filter)),
              search.shown);
}

INSTANTIATE_TEST_SUITE_P(English, CurrencySearch, ::testing::Values(
    Search{"en_US", "fr", "CHF", true},        // Swiss Franc
    Search{"en_US", "FR", "CHF", true},
    Search{"en_US", "ra", "CHF", false},       // the first "ra" of Swiss Franc is inside a word
    Search{"en_US", "rA", "CHF", false},
    Search{"en_US", "ra", "ZAR", true},        // South African Rand
    Search{"en_US", "us", "USD", true},        // by the code
    Search{"en_US", "Sd", "USD", true},        // anywhere in the code
    Search{"en_US", "dollar", "USD", true},
    Search{"en_US", "DOLLAR", "CAD", true},
    Search{"en_US", "dollar", "CHF", false},
    Search{"en_US", "ollar", "USD", false},
    Search{"en_US", "ri", "OMR", true},        // Omani Rial
    Search{"en_US", "ri", "QAR", false},       // Qatari Riyal: only the first "ri" counts
    Search{"en_US", "bit", "BTC", true},       // Bitcoin, in every language
    Search{"en_US", "coin", "BTC", false},
    Search{"en_US", "", "USD", false},         // the empty text keeps nothing
    Search{"en_US", "", "CHF", false},
    Search{"en_US", "swiss franc", "CHF", true}));

INSTANTIATE_TEST_SUITE_P(OtherLanguages, CurrencySearch, ::testing::Values(
    Search{"de_DE", "fr", "CHF", true},        // Schweizer Franken
    Search{"de_DE", "ra", "CHF", false},
    Search{"de_DE", "franken", "CHF", true},
    Search{"fr_FR", "fr", "CHF", false},       // franc suisse: French names are not capitalised
    Search{"fr_FR", "ch", "CHF", true},
    Search{"fr_FR", "états", "USD", true},     // dollar des États-Unis
    Search{"fr_FR", "ÉTATS", "USD", true},
    Search{"fr_FR", "etats", "USD", false},    // accents must match
    Search{"fr_FR", "E\xcc\x81tats", "USD", true},   // the accent typed as a combining mark
    Search{"fr_FR", "dollar", "USD", false},
    Search{"fr_FR", "bitcoin", "BTC", true}));

TEST(CurrencyFilter, ACodeWithoutANameIsFoundByItsCodeAlone)
{
    const FXCurrencyFilter filter([](const QString &code) -> std::optional<QString> {
        if (code == u"XTS")
            return std::nullopt;
        return QStringLiteral("Test Money");
    });
    EXPECT_TRUE(filter.isShown(QStringLiteral("XTS"), QStringLiteral("ts")));
    EXPECT_FALSE(filter.isShown(QStringLiteral("XTS"), QStringLiteral("test")));
    EXPECT_TRUE(filter.isShown(QStringLiteral("ABC"), QStringLiteral("test")));
}

TEST(CurrencyFilter, KeepsTheOrderOfTheList)
{
    const FXCurrencyFilter filter([](const QString &code) -> std::optional<QString> {
        if (code == u"AAA")
            return QStringLiteral("Alpha Mark");
        if (code == u"BBB")
            return QStringLiteral("Beta mark");
        return QStringLiteral("\U0001D400 Mark");   // a capital outside the 16-bit range
    });
    const QStringList codes{QStringLiteral("CCC"), QStringLiteral("BBB"), QStringLiteral("AAA")};
    EXPECT_EQ(filter.filteredCurrencies(codes, QStringLiteral("mark")),
              (QStringList{QStringLiteral("CCC"), QStringLiteral("AAA")}));
    EXPECT_EQ(filter.filteredCurrencies(codes, QString::fromUtf8("\U0001D400")),
              QStringList{QStringLiteral("CCC")});
    EXPECT_TRUE(filter.filteredCurrencies(codes, QString()).isEmpty());
}
