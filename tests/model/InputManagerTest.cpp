#include "FXInputManager.h"

#include "FXLocale.h"
#include "FXNumberFormatter.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

const QString EUR = QStringLiteral("EUR"), USD = QStringLiteral("USD"), GBP = QStringLiteral("GBP");

// Rates per US dollar with 1 EUR = 1.10 USD = 0.85 GBP; EUR is the main currency.
class ExampleCurrencies : public FXCurrencySource {
public:
    std::optional<QString> main = EUR, source;
    QStringList visible{USD, GBP};   // but the main one
    QHash<QString, std::pair<double, double>> rates{   // from base, to base
        {USD, {1.0, 1.0}}, {EUR, {1 / 1.10, 1.10}}, {GBP, {0.85 / 1.10, 1.10 / 0.85}}};

    std::optional<QString> defaultCurrency() const override { return main; }
    std::optional<QString> userBaseCurrency() const override { return source ? source : main; }
    void setUserBaseCurrency(const std::optional<QString> &currency) override { source = currency; }
    QStringList userPreferredCurrencies() const override { return visible; }
    double convertedAmount(double amount, const QString &from, const QString &to) const override
    {
        return (rates.value(from).second * amount) * rates.value(to).first;
    }
};

class InputManager : public TemporaryHomeTest {
protected:
    FXLocale locale{QStringLiteral("en_US")};
    FXNumberFormatter formatter{locale};
    FXUserDefaults standardDefaults{home.configHome() + QStringLiteral("/standard.conf")};
    ExampleCurrencies currencies;
    std::optional<FXInputManager> manager;

    void start() { manager.emplace(currencies, standardDefaults, formatter); }
    QString shown(const QString &code) { return manager->humanReadableInputForCurrency(code); }
    QString rows() { return QStringList{shown(EUR), shown(USD), shown(GBP)}.join(u' '); }

    // Digits; "." is the separator and "<" deletes.
    void type(const QString &currency, const char *keys)
    {
        currencies.setUserBaseCurrency(currency);
        manager->startOver();
        for (const char *key = keys; *key; ++key) {
            if (*key == '.')
                manager->appendDelimiterForCurrency(currency);
            else if (*key == '<')
                manager->removeLastCharacterForCurrency(currency);
            else
                manager->appendNumber(QString(QChar::fromLatin1(*key)), currency);
        }
    }
};

}

// Deleting the source's last digit zeroes every row; without any main currency nothing converts.
TEST_F(InputManager, RowsReadZeroWhenTheSourceIsEmptiedOrThereIsNoMainCurrency)
{
    start();
    type(GBP, "5<");
    EXPECT_EQ(rows(), u"0 0 0");
    currencies.main.reset();
    currencies.source.reset();
    start();
    EXPECT_EQ(shown(USD), u"0");
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
}

TEST_F(InputManager, ABufferFirstAskedForShowsZeroUntilTheNextUpdateAndStartingOverZeroesAll)
{
    const QString chf = QStringLiteral("CHF");
    currencies.rates.insert(chf, {0.8, 1.25});
    start();
    EXPECT_EQ(shown(chf), u"0");
    manager->updateInputs();
    EXPECT_EQ(shown(chf), u"88");
    manager->startOver();
    EXPECT_EQ(rows() + u' ' + shown(chf), u"0 0 0 0");
}

TEST_F(InputManager, ARestartRestoresTheSavedInputEvenOfAnInvisibleCurrency)
{
    start();
    currencies.setUserBaseCurrency(USD);
    manager->setInput(25, USD);
    manager->saveCurrentInput();
    currencies.source.reset();
    currencies.visible.removeAll(USD);

    start();
    EXPECT_EQ(currencies.userBaseCurrency(), USD);
    EXPECT_EQ(rows(), u"22.73 25 19.32");
}

TEST_F(InputManager, ASavedInputNeedsATextCurrencyAndReadsAMissingValueAsZero)
{
    const QString value = QStringLiteral("Value"), currency = QStringLiteral("Currency");
    const std::tuple<QVariantMap, QString, const char16_t *> cases[] = {
        {{{value, 25.0}, {currency, QStringList{USD}}}, EUR, u"100 110 85"},   // no text currency: afresh
        {{{currency, GBP}}, GBP, u"0 0 0"},
    };
    for (const auto &[saved, source, shownRows] : cases) {
        standardDefaults.setObject(saved, QStringLiteral("LastInput"));
        currencies.source.reset();
        start();
        EXPECT_EQ(currencies.userBaseCurrency(), source);
        EXPECT_EQ(rows(), QString::fromUtf16(shownRows));
    }
}

TEST_F(InputManager, TheSummaryHasALinePerRowButTheSources)
{
    start();
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"100 EUR = 110 USD\n100 EUR = 85 GBP\n");
    type(USD, "10.");
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"10. USD = 9.09 EUR\n10. USD = 7.73 GBP\n");
    EXPECT_EQ(manager->inputSummaryForPasteboard(Qt::RightToLeft),
              u"\u2066" "10. USD\u2069 = \u2066" "9.09 EUR\u2069\n"
              u"\u2066" "10. USD\u2069 = \u2066" "7.73 GBP\u2069\n");
    EXPECT_EQ(manager->inputForPasteboard(USD, Qt::RightToLeft), u"\u2066" "10.\u2069");
    EXPECT_EQ(manager->inputForPasteboard(USD, Qt::LeftToRight), u"10.");
    currencies.setUserBaseCurrency(EUR);
    currencies.visible.clear();
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
}
