#include "FXCurrencyInputFormatter.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct Edit { const char *locale; const char *proposed; bool accepted; const char *replacement; };
class FieldEdit : public ::testing::TestWithParam<Edit> {};
void PrintTo(const Edit &e, std::ostream *os) { *os << e.locale << " \"" << e.proposed << '"'; }

TEST_P(FieldEdit, KeepsTheFieldAnAmount)
{
    FXNotificationCenter center;
    FXLocale locale(u(GetParam().locale), &center);
    const FXCurrencyInputFormatter formatter(locale, center);
    QString replacement = u("unchanged");
    EXPECT_EQ(formatter.isPartialStringValid(u(GetParam().proposed), &replacement),
              GetParam().accepted);
    if (!GetParam().accepted) {
        EXPECT_EQ(replacement, u(GetParam().replacement));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, FieldEdit, ::testing::Values(
    Edit{"en_US", "", true, ""}, Edit{"en_US", "12", true, ""}, Edit{"en_US", "12.5", true, ""},
    Edit{"en_US", "12.55", true, ""}, Edit{"en_US", ".5", true, ""}, Edit{"en_US", ".", true, ""},
    Edit{"en_US", "007", true, ""}, Edit{"en_US", "12345678901234567890.12", true, ""},
    Edit{"en_US", "12.555", false, "12.55"}, Edit{"en_US", "12.5.", false, "12.5"},
    Edit{"en_US", "1..5", false, "1.5"}, Edit{"en_US", "1,234.5", false, "1234.5"},
    Edit{"en_US", "-5", false, "5"}, Edit{"en_US", "1a2", false, "12"},
    Edit{"en_US", "1.a5", false, "1.5"}, Edit{"en_US", "1.ab5", false, "1."},
    Edit{"en_US", "12 USD", false, "12"}, Edit{"en_US", "1.234,56", false, "1.23"},
    Edit{"en_US", "١٢", false, ""},
    Edit{"de_DE", "12,5", true, ""}, Edit{"de_DE", "12.5", false, "125"},
    Edit{"de_DE", "1.234,56", false, "1234,56"},
    Edit{"fr_FR", "1\u202f234,56", false, "1234,56"},
    // Amounts are written into the fields in the locale's own digits and must survive an edit.
    Edit{"ar_EG", "١٢٣٫٤٥", true, ""}, Edit{"ar_EG", "12٫5", true, ""},
    Edit{"ar_EG", "١٢٣٫٤٥6", false, "١٢٣٫٤٥"}, Edit{"ar_EG", "12,5", false, "125"}));

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
        QString replacement;
        EXPECT_FALSE(formatter.isPartialStringValid(u("12.5"), &replacement));
        EXPECT_EQ(replacement, u("125"));
    }
    // A destroyed formatter must no longer be called (AddressSanitizer reports it if it is).
    locale.setIdentifier(u("en_US"));
}

}
