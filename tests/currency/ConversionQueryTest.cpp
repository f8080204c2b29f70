#include "CurrencyCore.h"
#include "FXConversionQuery.h"
#include "FXConversionResults.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXFlagCatalogue.h"
#include "FXNumberFormatter.h"

#include <gtest/gtest.h>

namespace {

// "5 USD + -2 GBP > EUR, JPY"; empty when the text is no query.
QString describe(const std::optional<FXConversionQuery> &query)
{
    if (!query)
        return {};
    QStringList terms;
    for (const auto &term : query->terms)
        terms.append(QString::number(term.amount) + u' ' + term.currency);
    return terms.join(QStringLiteral(" + ")) + QStringLiteral(" > ") + query->targets.join(u", ");
}

constexpr const char *Usual = "USD EUR GBP JPY";

class SearchCore : public CurrencyCore {
protected:
    // The locale, then the main currency and the visible ones.
    void show(const char *locale, const char *shown)
    {
        this->locale.setIdentifier(QString::fromLatin1(locale));
        const QStringList codes = QString::fromLatin1(shown).split(u' ');
        settings.setMainCurrency(codes.front());
        defaults.setObject(codes.mid(1), QStringLiteral("VisibleCurrencies"));
    }
    QString read(const char *text) const { return describe(reader.read(QString::fromUtf8(text))); }

    FXNumberFormatter numbers{locale};
    FXCurrencySignResolver signs{currencies};
    FXCurrencyNameIndex names{currencies};
    FXConversionQueryReader reader{currencies, numbers, signs, names};
    FXFlagCatalogue flags;
    FXConversionResults results{currencies, numbers, reader, flags};
};

}

TEST_F(SearchCore, ReadsAmountsCurrenciesAndTargets)
{
    const struct { const char *locale, *shown, *text, *read; } typed[] = {
        {"en_US", Usual, "100 usd eur", "100 USD > EUR"},
        {"en_US", Usual, "100usd=eur", "100 USD > EUR"},
        {"en_US", Usual, "€50", "50 EUR > "},
        {"en_US", Usual, "100$ to ¥", "100 USD > JPY"},
        {"en_US", Usual, "1,234.5 gbp", "1234.5 GBP > "},
        {"en_US", Usual, ".5 gbp", "0.5 GBP > "},
        {"en_US", Usual, "10*(2+1) usd in eur", "30 USD > EUR"},
        {"en_US", Usual, "10 - 2 * 3 usd", "4 USD > "},
        {"en_US", Usual, "-(1 / 4) usd", "-0.25 USD > "},
        {"en_US", Usual, "5 usd + 2 gbp in eur", "5 USD + 2 GBP > EUR"},
        {"en_US", Usual, "5 usd \u2212 2 gbp", "5 USD + -2 GBP > "},   // the minus sign
        {"en_US", Usual, "100 usd in eur, jpy", "100 USD > EUR, JPY"},
        {"en_US", Usual, "100 usd in eur jpy eur", "100 USD > EUR, JPY"},
        {"en_US", Usual, "100 US dollars to Swiss francs", "100 USD > CHF"},
        // A sign or word several currencies share goes to the one the user works with.
        {"en_US", "CAD EUR", "5 dollars", "5 CAD > "},
        {"en_US", "EUR AUD", "5 dollars", "5 AUD > "},
        {"en_US", "EUR GBP", "5 dollars", "5 USD > "},
        {"en_US", "EUR CAD AUD", "5 dollars", ""},
        {"en_CA", "EUR GBP", "5 dollars", "5 CAD > "},
        {"de_DE", "EUR GBP", "5 Dollar", "5 USD > "},
        {"de_DE", "EUR USD GBP", "1.234,5 eur in usd", "1234.5 EUR > USD"},
        {"de_DE", "EUR USD GBP", "10,5 € nach $", "10.5 EUR > USD"},
        {"de_DE", "EUR USD GBP", "3 Schweizer Franken in Yen", "3 CHF > JPY"},
        {"de_DE", "EUR USD GBP", "100 usd en eur", ""},
        {"fr_FR", "EUR USD CHF", "100 francs suisses en euros", "100 CHF > EUR"},
        {"fr_FR", "EUR USD CHF", "1 234,5 eur", "1234.5 EUR > "},
        {"fr_FR", "EUR USD CHF", "100 US dollars in yen", "100 USD > JPY"},
        {"ar_EG", "EGP USD", "١٠٠ usd in egp", "100 USD > EGP"},
        {"fa_IR", "IRR USD", "۲×۳ usd", "6 USD > "}};
    for (const auto &t : typed) {
        show(t.locale, t.shown);
        EXPECT_EQ(read(t.text).toStdString(), t.read) << t.locale << " [" << t.shown << "] " << t.text;
    }
    // Not a query: a currency alone, words, broken arithmetic, more digits than a row takes.
    show("en_US", Usual);
    for (const char *text : {"eur", "", "weather in paris", "100 usd in", "100 usd in xyz", "100 usd in eur,",
                             "1/0 usd", "(2+3 usd", "2 * usd", "5 usd + eur", "1e3 usd", "1.234,5 usd",
                             "10000000000000 usd", "((((((((((((((((((1)))))))))))))))))) usd"})
        EXPECT_FALSE(reader.read(QString::fromUtf8(text))) << text;

    // The signs follow the rates in force: without the Canadian dollar "$" is no currency's in en_CA.
    show("en_CA", "EUR GBP");
    EXPECT_EQ(read("$5"), QStringLiteral("5 CAD > "));
    table.setCurrencyRates(std::make_shared<const FXRatesDocument>(ratesDocument({{u"USD"_qs, rate(1, 1)}})));
    EXPECT_EQ(read("$5"), QString());
}

// The targets first, then the converter's currencies, five at most; each identifier reads back.
TEST_F(SearchCore, AnswersTheTargetsThenTheConvertersCurrencies)
{
    QVariantMap rates;
    for (const auto &[code, fromBase] : {std::pair{"USD", 1.0}, {"EUR", 0.8}, {"GBP", 0.5}, {"JPY", 150.0},
                                         {"CHF", 0.9}, {"CAD", 1.25}, {"AUD", 1.5}, {"SEK", 10.0}})
        rates.insert(QString::fromLatin1(code), rate(fromBase, 1 / fromBase));
    plant(rates);
    show("en_US", Usual);
    const struct { const char *text, *titles, *description; } answers[] = {
        {"10 eur", "10 EUR = 12.5 USD; 10 EUR = 6.25 GBP; 10 EUR = 1875 JPY", "US Dollar, rates of 9/29/26"},
        {"100 usd in sek, chf, cad, aud", "100 USD = 1000 SEK; 100 USD = 90 CHF; 100 USD = 125 CAD; "
         "100 USD = 150 AUD; 100 USD = 80 EUR", "Swedish Krona, rates of 9/29/26"},
        // A sum stays a sum in the currency of its first amount.
        {"5 usd + 2 gbp in eur", "5 USD + 2 GBP = 7.2 EUR; 5 USD + 2 GBP = 9 USD; 5 USD + 2 GBP = 4.5 GBP; "
         "5 USD + 2 GBP = 1350 JPY", "Euro, rates of 9/29/26"},
        {"5 usd - 2 gbp in eur", "5 USD \u2212 2 GBP = 0.8 EUR; 5 USD \u2212 2 GBP = 1 USD; "
         "5 USD \u2212 2 GBP = 0.5 GBP; 5 USD \u2212 2 GBP = 150 JPY", "Euro, rates of 9/29/26"}};
    for (const auto &answer : answers) {
        const auto found = results.resultsForText(QString::fromUtf8(answer.text));
        QStringList titles;
        for (const auto &result : found)
            titles.append(result.title);
        EXPECT_EQ(titles.join(QStringLiteral("; ")).toStdString(), answer.titles);
        EXPECT_EQ(found.value(0).description.toStdString(), answer.description) << answer.text;
    }

    const auto found = results.resultsForText(QStringLiteral("5 usd + 0.1 gbp in eur"));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.front().convertedText, QStringLiteral("4.16"));
    for (const auto &result : found) {
        const auto again = results.resultForIdentifier(result.identifier);
        ASSERT_TRUE(again.has_value()) << result.identifier.toStdString();
        EXPECT_EQ(again->title, result.title);
        EXPECT_EQ(again->sourceCurrency, QStringLiteral("USD"));
        EXPECT_DOUBLE_EQ(again->sourceAmount, 5.2);
    }
    for (const char *bogus : {"", "USD 1", "USD 1>", "QQQ 1>EUR", "USD x>EUR", "USD 1|>EUR",
                              "USD nan>EUR", "USD 1 2>EUR"})
        EXPECT_FALSE(results.resultForIdentifier(QString::fromLatin1(bogus))) << bogus;
}
