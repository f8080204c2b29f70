#include "FXCurrencyInputFormatter.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// What the field holds after the edit: the proposed text when it is accepted, else its cleaned copy.
struct Edit {
    const char *locale;
    const char *name;
    const char *proposed;
    const char *kept;
    const char *before = "";   // what the field held, maybe an amount the program wrote
};
class FieldEdit : public ::testing::TestWithParam<Edit> {};
void PrintTo(const Edit &e, std::ostream *os) { *os << e.locale << " \"" << e.proposed << '"'; }

TEST_P(FieldEdit, KeepsTheFieldAnAmountThatReads)
{
    FXNotificationCenter center;
    FXLocale locale(u(GetParam().locale), &center);
    const FXCurrencyInputFormatter formatter(locale, center);
    QString replacement;
    const bool accepted =
        formatter.isPartialStringValid(u(GetParam().proposed), &replacement, u(GetParam().before));
    EXPECT_EQ(accepted, u(GetParam().kept) == u(GetParam().proposed));
    EXPECT_EQ(replacement, u(GetParam().kept));
    // What the field keeps reads as a number once it holds a digit: the converter takes the
    // field's amount from it.
    if (std::any_of(replacement.begin(), replacement.end(), [](QChar c) { return c.isDigit(); })) {
        EXPECT_TRUE(FXNumberFormatter(locale).formattedNumberForPasteboard(replacement));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, FieldEdit, ::testing::Values(
    Edit{"en_US", "SeparatorAlone", ".", "."},
    Edit{"en_US", "IntegerDigitsUnlimited", "12345678901234567890.1", "12345678901234567890.1"},
    Edit{"en_US", "SecondSeparator", "12.5.", "12.5"},
    Edit{"en_US", "Grouping", "1,234.5", "1234.5"},
    Edit{"en_US", "RefusedCharactersUseFractionPlaces", "1.ab5", "1."},
    Edit{"en_US", "ArabicIndicDigits", "١٢", ""},
    // In its own digits with its own separator, or in the digits 0 to 9 with theirs; the digits
    // 0 to 9 also mix with its own, as keystrokes add them to what the converter wrote.
    Edit{"ar_EG", "OwnDigits", "١٢٣٫٤٥", "١٢٣٫٤٥"},
    Edit{"ar_EG", "LatinDigitsOwnSeparator", "12٫5", "12٫5"},
    Edit{"ar_EG", "LatinDigitsLatinSeparator", "12.5", "12.5"},
    Edit{"ar_EG", "OwnDigitsLatinSeparator", "١٢.٥", "١٢٥"},
    Edit{"ar_EG", "LatinGrouping", "12,5", "125"},
    // Amounts the program wrote: the sign stays, fraction digits go but are never added.
    Edit{"en_US", "WrittenSmallAmountNotLengthened", "0.00125", "0.0012", "0.0012"},
    Edit{"en_US", "WrittenNegativeEdited", "-2.", "-2.", "-2.5"},
    Edit{"en_US", "WrittenNegativeDownToItsSign", "-", "", "-2"},
    Edit{"en_US", "TypedMinusStillRefused", "-12.5", "12.5", "12.5"},
    Edit{"fa_IR", "WrittenNegativeWithDirectionMark", "\u200e\u2212\u06f2", "\u200e\u2212\u06f2",
         "\u200e\u2212\u06f2\u06f5"}),
    [](const auto &info) { return std::string(info.param.locale) + "_" + info.param.name; });

TEST(FieldEdit, FollowsItsLocaleUntilDestroyed)
{
    FXNotificationCenter center;
    FXLocale locale(u("en_US"), &center);
    FXLocale otherLocale(u("en_US"), &center);
    {
        FXCurrencyInputFormatter formatter(locale, center);
        otherLocale.setIdentifier(u("de_DE"));
        EXPECT_EQ(formatter.allowedCharacters(), u("0123456789."));

        locale.setIdentifier(u("de_DE"));
        EXPECT_EQ(formatter.allowedCharacters(), u("0123456789,"));
        EXPECT_TRUE(formatter.isPartialStringValid(u("12,5"), nullptr));
        EXPECT_FALSE(formatter.isPartialStringValid(u("12.5"), nullptr));
    }
    // A destroyed formatter must no longer be called (AddressSanitizer reports it if it is).
    locale.setIdentifier(u("en_US"));
}

}
