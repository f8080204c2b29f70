#include "CurrencyCore.h"
#include "FXCurrencySignResolver.h"
#include "FXNumberFormatter.h"
#include "FXPastedAmountReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Paste {
    const char *locale;
    const char *shown;      // the main currency, then the visible ones
    const char *text;
    std::optional<double> amount;   // none: refused
    const char *currency;   // named beside the amount, or how the refusal starts; nullptr for none
};

constexpr const char *Usual = "USD EUR GBP JPY BTC";
const std::string FourHundredNines(400, '9');

const Paste Pastes[] = {
    // Extra fraction digits are kept, to be rounded as every amount is.
    {"en_US", Usual, "1,234.567", 1234.567, nullptr},
    {"en_US", Usual, " 42\n", 42, nullptr},
    {"en_US", Usual, "0.0000000012", 1.2e-9, nullptr},   // a tiny amount as Copy writes it
    {"en_US", Usual, "999999999999.99", 999999999999.99, nullptr},
    {"ar_EG", "EGP USD", "١٢٫٥", 12.5, nullptr},
    // As Copy writes an amount for a right-to-left reader, or as a document marks it.
    {"he_IL", Usual, "\u2066" "12.\u2069", 12, nullptr},
    {"en_US", Usual, "\u2066" "12.50 GBP\u2069", 12.5, "GBP"},
    {"en_US", Usual, "1\u2066" "2", {}, "“1\u2066" "2” is not an amount"},
    {"en_US", Usual, "1e9", {}, "“1e9” is not an amount"},
    {"en_US", Usual, "12 U", {}, "“12 U” is not an amount"},
    {"en_US", Usual, "555-123-456789", {}, "“555-123-456789” is not an amount"},   // twelve digits
    {"en_US", Usual, "12\n34", {}, "Only one amount"},
    {"en_US", Usual, " \n", {}, "There is no amount"},
    {"en_US", Usual, "9999999999999", {}, "Amounts have at most 12 digits"},
    // Rounded to cents it has thirteen digits.
    {"en_US", Usual, "999999999999.995", {}, "Amounts have at most 12 digits"},
    {"en_US", Usual, FourHundredNines.c_str(), {}, "Amounts have at most 12 digits"},
    {"en_US", Usual, "$1,234.56", 1234.56, "USD"},
    {"en_US", Usual, "12 USD", 12, "USD"},
    {"en_US", Usual, "12 CHF", 12, "CHF"},   // not shown: the window decides
    {"de_DE", Usual, "1.234,56 €", 1234.56, "EUR"},
    {"en_US", Usual, "$12 USD", 12, "USD"},
    {"en_US", Usual, "€12 USD", {}, "“€12 USD” names more than one"},
    // A sign several currencies share: the locale's own when shown, else the one shown.
    {"en_US", "EUR USD CAD", "$12", 12, "USD"},
    {"en_US", "EUR AUD", "$12", 12, "AUD"},
    {"en_US", "CAD AUD", "$12", 12, "CAD"},
    {"en_US", "EUR CAD AUD", "$12", {}, "“$” stands for more than one"}};

}

using PastedAmount = CurrencyCore;

TEST_F(PastedAmount, IsReadAsOneAmountOrRefusedWithTheReason)
{
    const FXNumberFormatter numbers(locale);
    const FXCurrencySignResolver signs(currencies);
    for (const Paste &paste : Pastes) {
        locale.setIdentifier(QString::fromLatin1(paste.locale));
        const QStringList shown = QString::fromLatin1(paste.shown).split(u' ');
        settings.setMainCurrency(shown.front());
        defaults.setObject(shown, QStringLiteral("VisibleCurrencies"));
        const auto reading = FXPastedAmountReader(numbers, signs).read(QString::fromUtf8(paste.text));
        const QString named = paste.currency ? QString::fromUtf8(paste.currency) : QString();
        const std::string row = paste.locale + (" [" + std::string(paste.shown) + "] \"") + paste.text + '"';
        EXPECT_EQ(reading.amount, paste.amount) << row;
        if (paste.amount) {
            EXPECT_EQ(reading.currency.value_or(QString()) + reading.refusal, named) << row;
        } else {
            EXPECT_TRUE(reading.refusal.startsWith(named)) << row << ": " << reading.refusal.toStdString();
        }
    }
}
