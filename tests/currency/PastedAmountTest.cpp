// Pasted text read as one amount, with the currency a sign or code beside it names.

#include "CurrencyCore.h"
#include "FXCurrencySignResolver.h"
#include "FXNumberFormatter.h"
#include "FXPastedAmountReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Paste {
    const char *locale;
    const char *shown;      // the main currency, then the visible ones
    const char *text;
    double amount;          // NaN: refused
    const char *currency;   // named beside the amount; nullptr for none
    const char *refusal;    // the start of the reason
};

void PrintTo(const Paste &paste, std::ostream *out)
{
    *out << paste.locale << " [" << paste.shown << "] \"" << paste.text << '"';
}

class PastedAmount : public CurrencyCore, public ::testing::WithParamInterface<Paste> {};

}

TEST_P(PastedAmount, ReadsOneAmountOrSaysWhyNot)
{
    const Paste &paste = GetParam();
    locale.setIdentifier(QString::fromLatin1(paste.locale));
    const QStringList shown = QString::fromLatin1(paste.shown).split(u' ');
    settings.setMainCurrency(shown.front());
    defaults.setObject(shown, QStringLiteral("VisibleCurrencies"));
    const FXNumberFormatter numbers(locale);
    const FXCurrencySignResolver signs(currencies);

    const auto reading = FXPastedAmountReader(numbers, signs).read(QString::fromUtf8(paste.text));

    if (std::isnan(paste.amount)) {
        EXPECT_EQ(reading.amount, std::nullopt);
        EXPECT_TRUE(reading.refusal.startsWith(QString::fromUtf8(paste.refusal))) << reading.refusal.toStdString();
        return;
    }
    EXPECT_EQ(reading.refusal, QString());
    EXPECT_EQ(reading.amount, std::optional(paste.amount));
    EXPECT_EQ(reading.currency,
              paste.currency ? std::optional(QString::fromLatin1(paste.currency)) : std::nullopt);
}

constexpr double Refused = NAN;
constexpr const char *Usual = "USD EUR GBP JPY BTC";
const std::string FourHundredNines(400, '9');

INSTANTIATE_TEST_SUITE_P(Amounts, PastedAmount, ::testing::Values(
    // Extra fraction digits are kept, to be rounded as every amount is.
    Paste{"en_US", Usual, "1,234.567", 1234.567, nullptr, ""},
    Paste{"en_US", Usual, " 42\n", 42, nullptr, ""},
    Paste{"en_US", Usual, "0.0000000012", 1.2e-9, nullptr, ""},   // a tiny amount as Copy writes it
    Paste{"en_US", Usual, "999999999999.99", 999999999999.99, nullptr, ""},
    Paste{"ar_EG", "EGP USD", "١٢٫٥", 12.5, nullptr, ""},
    // As Copy writes an amount for a right-to-left reader, or as a document marks it.
    Paste{"he_IL", Usual, "\u2066" "12.\u2069", 12, nullptr, ""},
    Paste{"en_US", Usual, " \u200e" "1,234.5\u200f\n", 1234.5, nullptr, ""},
    Paste{"en_US", Usual, "\u2066" "12.50 GBP\u2069", 12.5, "GBP", ""},
    Paste{"en_US", Usual, "1\u2066" "2", Refused, nullptr, "“1\u2066" "2” is not an amount"},
    Paste{"en_US", Usual, "1.234,56", Refused, nullptr, "“1.234,56” is not an amount"},
    Paste{"en_US", Usual, "1e9", Refused, nullptr, "“1e9” is not an amount"},
    Paste{"en_US", Usual, "0x1F", Refused, nullptr, "“0x1F” is not an amount"},
    Paste{"en_US", Usual, "12 U", Refused, nullptr, "“12 U” is not an amount"},
    Paste{"en_US", Usual, "555-123-456789", Refused, nullptr, "“555-123-456789” is not an amount"},   // twelve digits
    Paste{"en_US", Usual, "12\n34", Refused, nullptr, "Only one amount"},
    Paste{"en_US", Usual, " \n", Refused, nullptr, "There is no amount"},
    Paste{"en_US", Usual, "9999999999999", Refused, nullptr, "Amounts have at most 12 digits"},
    // Rounded to cents it has thirteen digits.
    Paste{"en_US", Usual, "999999999999.995", Refused, nullptr, "Amounts have at most 12 digits"},
    Paste{"en_US", Usual, FourHundredNines.c_str(), Refused, nullptr, "Amounts have at most 12 digits"}));

INSTANTIATE_TEST_SUITE_P(Signs, PastedAmount, ::testing::Values(
    Paste{"en_US", Usual, "$1,234.56", 1234.56, "USD", ""},
    Paste{"en_US", Usual, "12 USD", 12, "USD", ""},
    Paste{"en_US", Usual, "12usd", 12, "USD", ""},
    Paste{"en_US", Usual, "12 CHF", 12, "CHF", ""},   // not shown: the window decides
    Paste{"de_DE", Usual, "1.234,56 €", 1234.56, "EUR", ""},
    Paste{"en_US", Usual, "$12 USD", 12, "USD", ""},
    Paste{"en_US", Usual, "€12 USD", Refused, nullptr, "“€12 USD” names more than one"},
    // A sign several currencies share: the locale's own when shown, else the one shown.
    Paste{"en_US", "EUR USD CAD", "$12", 12, "USD", ""},
    Paste{"en_US", "CAD EUR", "$12", 12, "CAD", ""},
    Paste{"en_US", "EUR AUD", "$12", 12, "AUD", ""},
    Paste{"en_US", "CAD AUD", "$12", 12, "CAD", ""},
    Paste{"en_US", "EUR CAD AUD", "$12", Refused, nullptr, "“$” stands for more than one"},
    Paste{"en_US", "EUR GBP", "$12", 12, "USD", ""},
    Paste{"en_CA", "EUR CAD USD", "$12", 12, "CAD", ""}));
