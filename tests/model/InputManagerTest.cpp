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

// Deleting the source's last digit zeroes every row; without any main currency nothing converts.
TEST_F(InputManager, RowsReadZeroWhenTheSourceIsEmptiedOrThereIsNoMainCurrency)
{
    start();
    currencies.setUserBaseCurrency(GBP);
    manager->startOver();
    manager->appendNumber(u"5"_qs, GBP);
    manager->removeLastCharacterForCurrency(GBP);
    EXPECT_EQ(rows(), u"0 0 0");
    currencies.main.reset();
    currencies.source.reset();
    start();
    EXPECT_EQ(shown(USD), u"0");
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
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
