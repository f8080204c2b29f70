#include "FXCurrencyInputFormatter.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// What the field holds after the edit: the proposed text when it is accepted, else its cleaned copy.
struct Edit { const char *locale; const char *proposed; const char *kept; };
class FieldEdit : public ::testing::TestWithParam<Edit> {};
void PrintTo(const Edit &e, std::ostream *os) { *os << e.locale << " \"" << e.proposed << '"'; }

TEST_P(FieldEdit, KeepsTheFieldAnAmount)
{
    FXNotificationCenter center;
    FXLocale locale(u(GetParam().locale), &center);
    const FXCurrencyInputFormatter formatter(locale, center);
    QString replacement;
    const bool accepted = formatter.isPartialStringValid(u(GetParam().proposed), &replacement);
    EXPECT_EQ(accepted, u(GetParam().kept) == u(GetParam().proposed));
    EXPECT_EQ(replacement, u(GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(Locales, FieldEdit, ::testing::Values(
    Edit{"en_US", "", ""}, Edit{"en_US", "12.55", "12.55"}, Edit{"en_US", ".", "."},
    Edit{"en_US", "12345678901234567890.1", "12345678901234567890.1"},   // integer digits are not limited here
    Edit{"en_US", "12.555", "12.55"}, Edit{"en_US", "12.5.", "12.5"}, Edit{"en_US", "1,234.5", "1234.5"},
    Edit{"en_US", "-5", "5"}, Edit{"en_US", "1.ab5", "1."},   // refused characters use up fraction places
    Edit{"en_US", "١٢", ""}, Edit{"de_DE", "12.5", "125"}, Edit{"fr_FR", "1\u202f234,56", "1234,56"},
    // Amounts are written into the fields in the locale's own digits and must survive an edit.
    Edit{"ar_EG", "١٢٣٫٤٥", "١٢٣٫٤٥"}, Edit{"ar_EG", "12٫5", "12٫5"}, Edit{"ar_EG", "١٢٣٫٤٥6", "١٢٣٫٤٥"},
    Edit{"ar_EG", "12,5", "125"}));

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
