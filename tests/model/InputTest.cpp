#include "FXInput.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <QList>

#include <gtest/gtest.h>

#include <optional>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// The empty buffer shows "0"; the limits are 12 integer digits, 2 fraction digits, 15 characters,
// the lengths compared for equality so that a longer text written by setInput is not cut. Keys go
// as the converter routes them: the locale's separator to appendDelimiter, "<" to
// removeLastCharacter, anything else to appendNumber.
TEST(InputTyping, BuildsTheTextAndValue)
{
    constexpr std::nullopt_t Empty = std::nullopt;
    const struct {
        const char *locale, *name;
        std::optional<double> start;   // the amount written before the keys, if any
        const char *keys, *shown;      // shown nullptr: the amount written stays as it was
        double value;
    } cases[] = {
        {"en_US", "lone zero replaced", Empty, "00", "0", 0},
        {"en_US", "second separator ignored", Empty, "75..", "75.", 75},
        {"en_US", "third fraction digit refused", Empty, "75.509<", "75.5", 75.5},
        {"en_US", "thirteenth digit refused", Empty, "1234567890123", "123456789012", 123456789012},
        {"en_US", "longest amount", Empty, "123456789012.345", "123456789012.34", 123456789012.34},
        {"en_US", "written small amount full", 0.000876, "5", "0.00088", 0.00088},
        {"en_US", "written negative removed to empty", -3.0, "<", "0", 0},
        {"en_US", "written long integer grows", 1e13, "5", "100000000000005", 100000000000005},
        {"en_US", "written long fraction grows", 1234567890123.5, "7", "1234567890123.5", 1234567890123.5},
        // No digit passes the range of numbers: the amount would read as none, that is 0.
        {"en_US", "written largest kept whole", 1e308, "9", nullptr, 1e308},
        {"de_DE", "comma separator", Empty, ",5", "0,5", 0.5},
        // Digits of either script are kept as typed and read alike.
        {"ar_EG", "own digits", Empty, "١٢٫٥", "١٢٫٥", 12.5},
        {"ar_EG", "Latin separators ignored", Empty, "1,5.", "15", 15},
        {"ar_EG", "separator first", Empty, "٫5", "٠٫5", 0.5},
        {"ar_EG", "written zero replaced", 0.0, "3", "3", 3},
        {"ar_EG", "Latin digit after own", 1234.5, "7", "١٢٣٤٫٥7", 1234.57},
        // Adlam digits take two UTF-16 units each; the limits count them as one, and so does deleting.
        {"ff_Adlm", "two fraction digits of two units", Empty, "𞥑.𞥒𞥕", "𞥑.𞥒𞥕", 1.25},
        {"ff_Adlm", "written digit removed whole", 12.0, "<𞥓", "𞥑𞥓", 13}};
    for (const auto &c : cases) {
        FXLocale locale(u(c.locale));
        const FXNumberFormatter formatter(locale);
        FXInput input(formatter);
        if (c.start)
            input.setInput(*c.start);
        const QString written = input.humanReadableInput();
        for (const uint code : u(c.keys).toUcs4()) {
            const char32_t character = code;
            const QString key = QString::fromUcs4(&character, 1);
            if (key == u"<")
                input.removeLastCharacter();
            else if (key == input.numberDelimiter())
                input.appendDelimiter();
            else
                input.appendNumber(key);
        }
        EXPECT_EQ(input.humanReadableInput(), c.shown ? u(c.shown) : written) << c.locale << ' ' << c.name;
        EXPECT_DOUBLE_EQ(input.doubleValue(), c.value) << c.locale << ' ' << c.name;
    }
}

}
