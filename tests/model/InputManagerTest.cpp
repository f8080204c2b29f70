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
};

}

// The row typed into keeps its text as typed while the others convert it; deleting its last digit
// zeroes every row. Without any main currency nothing converts.
TEST_F(InputManager, TheSourceKeepsItsTextAndTheOtherRowsConvertIt)
{
    start();
    currencies.setUserBaseCurrency(GBP);
    manager->startOver();
    manager->appendNumber(u"5"_qs, GBP);
    manager->appendDelimiterForCurrency(GBP);
    EXPECT_EQ(rows(), u"5.88 6.47 5.");
    manager->removeLastCharacterForCurrency(GBP);
    manager->removeLastCharacterForCurrency(GBP);
    EXPECT_EQ(rows(), u"0 0 0");
    currencies.main.reset();
    currencies.source.reset();
    start();
    EXPECT_EQ(shown(USD), u"0");
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
}

// A restart restores the saved input, even of a currency no longer visible. A saved input needs a
// text currency, else the converter starts afresh, and reads a missing value as 0.
TEST_F(InputManager, ARestartRestoresTheSavedInput)
{
    const auto restart = [this](const std::optional<QVariantMap> &saved) -> QString {
        if (saved)
            standardDefaults.setObject(*saved, QStringLiteral("LastInput"));
        currencies.source.reset();
        start();
        return currencies.userBaseCurrency().value_or(QString()) + u": " + rows();
    };
    const QString value = QStringLiteral("Value"), currency = QStringLiteral("Currency");
    EXPECT_EQ(restart(QVariantMap{{value, 25.0}, {currency, QStringList{USD}}}), u"EUR: 100 110 85");
    EXPECT_EQ(restart(QVariantMap{{currency, GBP}}), u"GBP: 0 0 0");
    currencies.setUserBaseCurrency(USD);
    manager->setInput(25, USD);
    manager->saveCurrentInput();
    currencies.visible.removeAll(USD);
    EXPECT_EQ(restart(std::nullopt), u"USD: 22.73 25 19.32");
}
