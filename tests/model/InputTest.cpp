#include "FXInput.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Keys as the converter routes them: the locale's separator to appendDelimiter, "<" (delete) to
// removeLastCharacter, anything else to appendNumber.
void type(FXInput &input, const QString &keys)
{
    for (const QChar key : keys) {
        if (key == u'<')
            input.removeLastCharacter();
        else if (QString(key) == input.numberDelimiter())
            input.appendDelimiter();
        else
            input.appendNumber(QString(key));
    }
}

struct Typing {
    const char *locale;
    std::optional<double> start;   // the setInput before the keys, if any
    const char *keys;
    const char *text;
    const char *shown;
    double value;
};
class InputTyping : public ::testing::TestWithParam<Typing> {};
void PrintTo(const Typing &t, std::ostream *os)
{
    *os << t.locale << " " << (t.start ? std::to_string(*t.start) : "empty") << " + \"" << t.keys << '"';
}

TEST_P(InputTyping, BuildsTheTextAndValue)
{
    const Typing &typing = GetParam();
    FXLocale locale(u(typing.locale));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    if (typing.start)
        input.setInput(*typing.start);
    type(input, u(typing.keys));
    EXPECT_EQ(input.inputString(), u(typing.text));
    EXPECT_EQ(input.humanReadableInput(), u(typing.shown));
    EXPECT_DOUBLE_EQ(input.doubleValue(), typing.value);
}

constexpr std::nullopt_t Empty = std::nullopt;

INSTANTIATE_TEST_SUITE_P(English, InputTyping, ::testing::Values(
    Typing{"en_US", Empty, "", "", "0", 0},
    Typing{"en_US", Empty, "00", "0", "0", 0},              // a lone zero is replaced, never doubled
    Typing{"en_US", Empty, "0075", "75", "75", 75},
    Typing{"en_US", Empty, "75..", "75.", "75.", 75},       // a trailing separator adds nothing
    Typing{"en_US", Empty, "75.5.0", "75.50", "75.50", 75.5},
    Typing{"en_US", Empty, "75.509", "75.50", "75.50", 75.5},
    Typing{"en_US", Empty, "75.509<", "75.5", "75.5", 75.5},
    Typing{"en_US", Empty, "75.509<<", "75.", "75.", 75},
    Typing{"en_US", Empty, "75.509<<<<<<", "", "0", 0},
    Typing{"en_US", Empty, ".5", "0.5", "0.5", 0.5},
    Typing{"en_US", Empty, ".05", "0.05", "0.05", 0.05},
    Typing{"en_US", Empty, "0.", "0.", "0.", 0},
    Typing{"en_US", Empty, "0.<4", "4", "4", 4},            // the zero left alone is replaced again
    Typing{"en_US", Empty, "1,2a", "12", "12", 12},
    Typing{"en_US", Empty, "1234567890123", "123456789012", "123456789012", 123456789012},
    Typing{"en_US", Empty, "123456789012.345", "123456789012.34", "123456789012.34", 123456789012.34},
    Typing{"en_US", 0.0, "", "0", "0", 0},
    Typing{"en_US", 0.0, "3", "3", "3", 3},
    Typing{"en_US", 0.0, "<", "", "0", 0},
    Typing{"en_US", 1234.567, "8", "1234.57", "1234.57", 1234.57},
    Typing{"en_US", 1234.567, "<8", "1234.58", "1234.58", 1234.58},
    Typing{"en_US", 100.0, "5", "1005", "1005", 1005},
    Typing{"en_US", -3.456, "", "-3.46", "-3.46", -3.46},
    // Texts longer than typing builds are not cut; the limits hold at exactly 12 and 15.
    Typing{"en_US", 1e13, "5", "100000000000005", "100000000000005", 100000000000005},
    Typing{"en_US", 1e13 + 0.5, "78", "10000000000000.57", "10000000000000.57", 10000000000000.57},
    Typing{"en_US", 1234567890123.5, "7", "1234567890123.5", "1234567890123.5", 1234567890123.5}));

INSTANTIATE_TEST_SUITE_P(OtherLocales, InputTyping, ::testing::Values(
    Typing{"de_DE", Empty, "12,5", "12,5", "12,5", 12.5},
    Typing{"de_DE", Empty, "12.5", "125", "125", 125},
    Typing{"de_DE", Empty, ",5", "0,5", "0,5", 0.5},
    Typing{"de_DE", 1234.5, "", "1234,5", "1234,5", 1234.5},
    // Digits of either script are kept as typed and read alike.
    Typing{"ar_EG", Empty, "12٫5", "12٫5", "12٫5", 12.5},
    Typing{"ar_EG", Empty, "١٢٫٥", "١٢٫٥", "١٢٫٥", 12.5},
    Typing{"ar_EG", Empty, "1,5.", "15", "15", 15},
    Typing{"ar_EG", Empty, "٫5", "٠٫5", "٠٫5", 0.5},
    Typing{"ar_EG", 0.0, "3", "3", "3", 3},
    Typing{"ar_EG", 1234.5, "7", "١٢٣٤٫٥7", "١٢٣٤٫٥7", 1234.57}));

TEST(Input, EmptyBufferIsZeroWithoutReading)
{
    FXLocale locale(u("en_US"));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    EXPECT_EQ(input.formattedNumber(), 0.0);
    input.setInputString(u("12 USD"));
    EXPECT_EQ(input.formattedNumber(), std::nullopt);
    EXPECT_EQ(input.doubleValue(), 0.0);
}

TEST(Input, RemovesAWholeDigitOutsideTheBasicPlane)
{
    FXLocale locale(u("ff_Adlm"));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    input.setInput(12);
    ASSERT_TRUE(input.inputString().front().isHighSurrogate());
    input.removeLastCharacter();
    EXPECT_EQ(input.inputString(), formatter.formattedStringForInput(1));
    input.appendNumber(formatter.formattedStringForInput(3));
    EXPECT_EQ(input.doubleValue(), 13);
}

TEST(Input, FollowsTheSeparatorOfALiveLocale)
{
    FXLocale locale(u("en_US"));
    const FXNumberFormatter formatter(locale);
    FXInput input(formatter);
    type(input, u("12.5"));
    locale.setIdentifier(u("de_DE"));
    // A text typed under the old separator reads as no number, so as 0; typing goes on.
    EXPECT_FALSE(input.hasFractionDigits());
    EXPECT_EQ(input.doubleValue(), 0.0);

    input.setInputString(u("12"));
    type(input, u("5,5"));
    EXPECT_EQ(input.inputString(), u("125,5"));
    EXPECT_EQ(input.fractionDigitsCount(), 1);
    EXPECT_DOUBLE_EQ(input.doubleValue(), 125.5);
}

}
