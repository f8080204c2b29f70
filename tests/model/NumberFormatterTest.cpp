#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct Writing { const char *locale; double value; const char *text; };
class NumberWriting : public ::testing::TestWithParam<Writing> {};
void PrintTo(const Writing &w, std::ostream *os) { *os << w.locale << " " << w.value; }

TEST_P(NumberWriting, RoundsHalfEvenWithoutGrouping)
{
    FXLocale locale(u(GetParam().locale));
    EXPECT_EQ(FXNumberFormatter(locale).formattedStringForInput(GetParam().value), u(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberWriting, ::testing::Values(
    Writing{"en_US", 1234.567, "1234.57"}, Writing{"en_US", 0.125, "0.12"}, Writing{"en_US", 0.375, "0.38"},
    Writing{"en_US", 2.999, "3"}, Writing{"en_US", 1e15, "1000000000000000"},
    Writing{"en_US", -0.001, "0"},                      // no "-0" for an amount that rounds away
    Writing{"en_US", std::numeric_limits<double>::quiet_NaN(), "0"},
    Writing{"en_US", -std::numeric_limits<double>::infinity(), "0"},
    Writing{"de_DE", -3.456, "-3,46"}, Writing{"fr_FR", 1234567.891, "1234567,89"},
    Writing{"ar_EG", 1234.5, "١٢٣٤٫٥"}, Writing{"ar_EG", -3.456, "\u061c-٣٫٤٦"}));

struct Reading { const char *locale; const char *text; std::optional<double> value; };
class NumberReading : public ::testing::TestWithParam<Reading> {};
void PrintTo(const Reading &r, std::ostream *os) { *os << r.locale << " \"" << r.text << '"'; }

TEST_P(NumberReading, ReadsTheWholeTextOrNothing)
{
    FXLocale locale(u(GetParam().locale));
    const FXNumberFormatter formatter(locale);
    EXPECT_EQ(formatter.formattedNumberForInput(u(GetParam().text)), GetParam().value);
    EXPECT_EQ(formatter.formattedNumberForPasteboard(u(GetParam().text)), GetParam().value);
}

constexpr std::nullopt_t None = std::nullopt;

INSTANTIATE_TEST_SUITE_P(Locales, NumberReading, ::testing::Values(
    Reading{"en_US", "12.", 12}, Reading{"en_US", ".5", 0.5}, Reading{"en_US", "1,234.56", 1234.56},
    Reading{"en_US", "-7", -7}, Reading{"en_US", " 12.5\n", 12.5},
    Reading{"en_US", "1.234,56", None}, Reading{"en_US", "12 USD", None}, Reading{"en_US", "", None},
    Reading{"en_US", ".", None}, Reading{"en_US", "-", None}, Reading{"en_US", "12.5.", None},
    Reading{"en_US", "1,23", None}, Reading{"en_US", "1E5", None}, Reading{"en_US", "$12", None},
    Reading{"en_US", "NaN", None}, Reading{"en_US", "∞", None},
    Reading{"de_DE", "1.234,56", 1234.56}, Reading{"de_DE", "12,", 12}, Reading{"de_DE", "12.5", None},
    Reading{"fr_FR", "1\u202f234,56", 1234.56}, Reading{"fr_FR", "1 234,56", 1234.56},
    Reading{"ar_EG", "١٬٢٣٤٫٥", 1234.5}, Reading{"ar_EG", "١2٫5", 12.5}, Reading{"ar_EG", "\u061c-٣٫٤٦", -3.46},
    Reading{"C", "1,234.5", 1234.5}, Reading{"C.UTF-8", "12.5", 12.5}));

TEST(NumberFormatting, ReadsBackWhatItWritesAndNothingBeyondADouble)
{
    for (const char *id : {"en_US", "de_DE", "fr_FR", "ar_EG", "de_CH", "hi_IN"}) {
        FXLocale locale(u(id));
        const FXNumberFormatter formatter(locale);
        for (double value : {0.0, 0.5, -3.46, 123456789012.34, 1e15})
            EXPECT_EQ(formatter.formattedNumberForInput(formatter.formattedStringForInput(value)), value) << id;
        EXPECT_EQ(formatter.formattedNumberForPasteboard(u("1") + QString(400, u'0')), None) << id;
    }
}

TEST(NumberFormatting, FollowsALiveLocaleAfterItCachedItsFormatters)
{
    FXLocale locale(u("en_US"));
    const FXNumberFormatter formatter(locale);
    ASSERT_EQ(formatter.formattedStringForInput(1234.5), u("1234.5"));
    ASSERT_EQ(formatter.formattedNumberForInput(u("1,5")), None);

    locale.setIdentifier(u("de_DE"));
    EXPECT_EQ(formatter.decimalSeparator(), u(","));
    EXPECT_EQ(formatter.formattedStringForInput(1234.5), u("1234,5"));
    EXPECT_EQ(formatter.formattedNumberForPasteboard(u("1.234,5")), 1234.5);

    FXLocale &current = FXLocale::current();
    const QString original = current.identifier();
    current.setIdentifier(u("en_US"));
    ASSERT_EQ(FXNumberFormatter::sharedFormatter().formattedStringForInput(0.5), u("0.5"));
    current.setIdentifier(u("de_DE"));
    EXPECT_EQ(FXNumberFormatter::sharedFormatter().formattedStringForInput(0.5), u("0,5"));
    current.setIdentifier(original);
}

}
