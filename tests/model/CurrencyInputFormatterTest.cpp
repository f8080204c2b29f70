#include "FXCurrencyInputFormatter.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// What the field holds after the edit: the proposed text when it is accepted, else its cleaned copy;
// and it reads as a number once it holds a digit, since the converter takes the field's amount from it.
TEST(FieldEdit, KeepsTheFieldAnAmountThatReads)
{
    const struct {
        const char *locale, *name, *proposed, *kept;
        const char *before = "";   // what the field held, maybe an amount the program wrote
    } cases[] = {
        {"en_US", "separator alone", ".", "."},
        {"en_US", "integer digits unlimited", "12345678901234567890.1", "12345678901234567890.1"},
        {"en_US", "second separator", "12.5.", "12.5"},
        {"en_US", "grouping", "1,234.5", "1234.5"},
        {"en_US", "refused characters use fraction places", "1.ab5", "1."},
        {"en_US", "Arabic-Indic digits", "١٢", ""},
        // In its own digits with its own separator, or in the digits 0 to 9 with theirs; the digits
        // 0 to 9 also mix with its own, as keystrokes add them to what the converter wrote.
        {"ar_EG", "own digits", "١٢٣٫٤٥", "١٢٣٫٤٥"},
        {"ar_EG", "Latin digits, own separator", "12٫5", "12٫5"},
        {"ar_EG", "Latin digits, Latin separator", "12.5", "12.5"},
        {"ar_EG", "own digits, Latin separator", "١٢.٥", "١٢٥"},
        {"ar_EG", "Latin grouping", "12,5", "125"},
        // Amounts the program wrote: the sign stays, fraction digits go but are never added.
        {"en_US", "written small amount not lengthened", "0.00125", "0.0012", "0.0012"},
        {"en_US", "written negative edited", "-2.", "-2.", "-2.5"},
        {"en_US", "written negative down to its sign", "-", "", "-2"},
        {"en_US", "typed minus still refused", "-12.5", "12.5", "12.5"},
        {"fa_IR", "written negative with direction mark", "\u200e\u2212\u06f2", "\u200e\u2212\u06f2",
         "\u200e\u2212\u06f2\u06f5"}};
    for (const auto &c : cases) {
        FXNotificationCenter center;
        FXLocale locale(u(c.locale), &center);
        const FXCurrencyInputFormatter formatter(locale, center);
        SCOPED_TRACE(std::string(c.locale) + ' ' + c.name);
        QString kept;
        const bool accepted = formatter.isPartialStringValid(u(c.proposed), &kept, u(c.before));
        EXPECT_EQ(accepted, u(c.kept) == u(c.proposed));
        EXPECT_EQ(kept, u(c.kept));
        if (std::any_of(kept.begin(), kept.end(), [](QChar character) { return character.isDigit(); })) {
            EXPECT_TRUE(FXNumberFormatter(locale).formattedNumberForPasteboard(kept));
        }
    }
}

// It follows its own locale, not another one, until destroyed: a destroyed formatter must no
// longer be called (AddressSanitizer reports it if it is).
TEST(FieldEdit, FollowsItsLocaleUntilDestroyed)
{
    FXNotificationCenter center;
    FXLocale locale(u("en_US"), &center), otherLocale(u("en_US"), &center);
    {
        FXCurrencyInputFormatter formatter(locale, center);
        otherLocale.setIdentifier(u("de_DE"));
        EXPECT_TRUE(formatter.isPartialStringValid(u("12.5"), nullptr));
        locale.setIdentifier(u("de_DE"));
        EXPECT_EQ(formatter.allowedCharacters(), u("0123456789,"));
        EXPECT_FALSE(formatter.isPartialStringValid(u("12.5"), nullptr));
    }
    locale.setIdentifier(u("en_US"));
}

}
