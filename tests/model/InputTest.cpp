#include "FXInput.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <QList>

#include <gtest/gtest.h>

#include <optional>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Keys as the converter routes them: the locale's separator to appendDelimiter, "<" (delete) to
// removeLastCharacter, anything else to appendNumber.
void type(FXInput &input, const QString &keys)
{
    for (const uint code : keys.toUcs4()) {
        const char32_t character = code;
        const QString key = QString::fromUcs4(&character, 1);
        if (key == u"<")
            input.removeLastCharacter();
        else if (key == input.numberDelimiter())
            input.appendDelimiter();
        else
            input.appendNumber(key);
    }
}

struct Typing {
    const char *locale, *name;
    std::optional<double> start;   // the amount written before the keys, if any
    const char *keys, *shown;
    double value;
};
class InputTyping : public ::testing::TestWithParam<Typing> {};
void PrintTo(const Typing &t, std::ostream *os) { *os << t.locale << " \"" << t.keys << '"'; }

TEST_P(InputTyping, BuildsTheTextAndValue)
{
    const Typing &typing = GetParam();
    FXLocale locale(u(typing.locale));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    if (typing.start)
        input.setInput(*typing.start);
    type(input, u(typing.keys));
    EXPECT_EQ(input.humanReadableInput(), u(typing.shown));
    EXPECT_DOUBLE_EQ(input.doubleValue(), typing.value);
}

constexpr std::nullopt_t Empty = std::nullopt;

// The empty buffer shows "0"; the limits are 12 integer digits, 2 fraction digits, 15 characters,
// the lengths compared for equality so that a longer text written by setInput is not cut.
INSTANTIATE_TEST_SUITE_P(Locales, InputTyping, ::testing::Values(
    Typing{"en_US", "LoneZeroReplaced", Empty, "00", "0", 0},
    Typing{"en_US", "SecondSeparatorIgnored", Empty, "75..", "75.", 75},
    Typing{"en_US", "ThirdFractionDigitRefused", Empty, "75.509<", "75.5", 75.5},
    Typing{"en_US", "ThirteenthDigitRefused", Empty, "1234567890123", "123456789012", 123456789012},
    Typing{"en_US", "LongestAmount", Empty, "123456789012.345", "123456789012.34", 123456789012.34},
    Typing{"en_US", "WrittenSmallAmountFull", 0.000876, "5", "0.00088", 0.00088},
    Typing{"en_US", "WrittenNegativeRemovedToEmpty", -3.0, "<", "0", 0},
    Typing{"en_US", "WrittenLongIntegerGrows", 1e13, "5", "100000000000005", 100000000000005},
    Typing{"en_US", "WrittenLongFractionGrows", 1234567890123.5, "7", "1234567890123.5", 1234567890123.5},
    Typing{"de_DE", "CommaSeparator", Empty, ",5", "0,5", 0.5},
    // Digits of either script are kept as typed and read alike.
    Typing{"ar_EG", "OwnDigits", Empty, "١٢٫٥", "١٢٫٥", 12.5},
    Typing{"ar_EG", "LatinSeparatorsIgnored", Empty, "1,5.", "15", 15},
    Typing{"ar_EG", "SeparatorFirst", Empty, "٫5", "٠٫5", 0.5},
    Typing{"ar_EG", "WrittenZeroReplaced", 0.0, "3", "3", 3},
    Typing{"ar_EG", "LatinDigitAfterOwn", 1234.5, "7", "١٢٣٤٫٥7", 1234.57},
    // Adlam digits take two UTF-16 units each; the limits count them as one, and so does deleting.
    Typing{"ff_Adlm", "TwoFractionDigitsOfTwoUnits", Empty, "𞥑.𞥒𞥕", "𞥑.𞥒𞥕", 1.25},
    Typing{"ff_Adlm", "WrittenDigitRemovedWhole", 12.0, "<𞥓", "𞥑𞥓", 13}),
    [](const auto &info) { return std::string(info.param.locale) + "_" + info.param.name; });

// No digit passes the range of numbers: the amount would read as none, that is 0.
TEST(Input, KeepsAnAmountWrittenWholeWithinTheRangeOfNumbers)
{
    FXLocale locale(u("en_US"));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    input.setInput(1e307);
    input.appendNumber(u("9"));
    const QString largest = input.inputString();
    input.appendNumber(u("9"));
    EXPECT_EQ(input.inputString(), largest);
    EXPECT_DOUBLE_EQ(input.doubleValue(), 1e307 * 10 + 9);
}

}
