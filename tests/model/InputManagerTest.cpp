#include "FXInputManager.h"

#include "FXLocale.h"
#include "FXNumberFormatter.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

// Currencies as the converter sees them: rates per US dollar, the visible ones and the main one.
// 1 EUR = 1.10 USD and 1 EUR = 0.85 GBP.
class ExampleCurrencies : public FXCurrencySource {
public:
    std::optional<QString> main = QStringLiteral("EUR");
    std::optional<QString> source;
    QStringList visible{QStringLiteral("EUR"), QStringLiteral("USD"), QStringLiteral("GBP")};
    QHash<QString, std::pair<double, double>> rates{   // from base, to base
        {QStringLiteral("USD"), {1.0, 1.0}},
        {QStringLiteral("EUR"), {1 / 1.10, 1.10}},
        {QStringLiteral("GBP"), {0.85 / 1.10, 1.10 / 0.85}},
    };

    std::optional<QString> defaultCurrency() const override { return main; }
    std::optional<QString> userBaseCurrency() const override { return source ? source : main; }
    void setUserBaseCurrency(const std::optional<QString> &currency) override { source = currency; }
    QStringList userPreferredCurrencies() const override
    {
        QStringList list = visible;
        if (main)
            list.removeAll(*main);
        return list;
    }
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

    std::unique_ptr<FXInputManager> start()
    {
        return std::make_unique<FXInputManager>(currencies, standardDefaults, formatter);
    }

    static QString shown(FXInputManager &manager, const char *code)
    {
        return manager.humanReadableInputForCurrency(QString::fromLatin1(code));
    }

    void type(FXInputManager &manager, const char *keys, const QString &currency)
    {
        for (const char *key = keys; *key; ++key) {
            if (*key == '.')
                manager.appendDelimiterForCurrency(currency);
            else if (*key == '<')
                manager.removeLastCharacterForCurrency(currency);
            else
                manager.appendNumber(QString(QChar::fromLatin1(*key)), currency);
        }
    }
};

const QString EUR = QStringLiteral("EUR");
const QString USD = QStringLiteral("USD");
const QString GBP = QStringLiteral("GBP");

struct Rows {
    const char *eur;
    const char *usd;
    const char *gbp;
};

struct Typing {
    const char *name;
    const char *source;   // the selected row
    const char *keys;     // digits; "." the separator; "<" delete
    Rows after;
};

class InputManagerTyping : public InputManager, public ::testing::WithParamInterface<Typing> {};

}

TEST_F(InputManager, FirstStartShowsOneHundredInTheMainCurrency)
{
    auto manager = start();
    EXPECT_EQ(shown(*manager, "EUR"), u"100");
    EXPECT_EQ(shown(*manager, "USD"), u"110");
    EXPECT_EQ(shown(*manager, "GBP"), u"85");
    EXPECT_EQ(manager->inputs().size(), 3);
}

TEST_P(InputManagerTyping, ConvertsEveryOtherRowFromTheSource)
{
    const Typing &typing = GetParam();
    auto manager = start();
    const QString source = QString::fromLatin1(typing.source);
    currencies.setUserBaseCurrency(source);
    manager->startOver();
    type(*manager, typing.keys, source);

    EXPECT_EQ(shown(*manager, "EUR"), QString::fromLatin1(typing.after.eur));
    EXPECT_EQ(shown(*manager, "USD"), QString::fromLatin1(typing.after.usd));
    EXPECT_EQ(shown(*manager, "GBP"), QString::fromLatin1(typing.after.gbp));
}

INSTANTIATE_TEST_SUITE_P(Examples, InputManagerTyping, ::testing::Values(
    Typing{"MainCurrency", "EUR", "100", {"100", "110", "85"}},
    Typing{"AnotherRow", "USD", "10", {"9.09", "10", "7.73"}},
    Typing{"TrailingSeparatorConvertsAsTheInteger", "USD", "10.", {"9.09", "10.", "7.73"}},
    Typing{"RejectedDigitStillConverts", "EUR", "1.239", {"1.23", "1.35", "1.05"}},
    Typing{"DeletingEverythingConvertsZero", "GBP", "5<", {"0", "0", "0"}},
    Typing{"ZeroIsReplacedByTheFirstDigit", "EUR", "07", {"7", "7.7", "5.95"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(InputManager, StartingOverPutsAZeroInEveryBuffer)
{
    auto manager = start();
    manager->humanReadableInputForCurrency(QStringLiteral("JPY"));
    manager->startOver();
    for (auto it = manager->inputs().cbegin(); it != manager->inputs().cend(); ++it)
        EXPECT_EQ(it->inputString(), u"0") << it.key().toStdString();
}

TEST_F(InputManager, ABufferFirstAskedForByTheDisplayShowsZeroUntilTheNextUpdate)
{
    auto manager = start();
    currencies.rates.insert(QStringLiteral("CHF"), {0.8, 1.25});
    EXPECT_EQ(shown(*manager, "CHF"), u"0");
    manager->updateInputs();
    EXPECT_EQ(shown(*manager, "CHF"), u"88");
}

TEST_F(InputManager, ARestartRestoresTheSavedInputAndItsCurrency)
{
    {
        auto manager = start();
        currencies.setUserBaseCurrency(USD);
        manager->setInput(25, USD);
        manager->updateInputs();
        manager->saveCurrentInput();
    }
    currencies.source.reset();
    currencies.visible.removeAll(USD);

    auto restarted = start();
    EXPECT_EQ(currencies.userBaseCurrency(), USD);
    EXPECT_EQ(shown(*restarted, "USD"), u"25");
    EXPECT_EQ(shown(*restarted, "EUR"), u"22.73");
    EXPECT_EQ(shown(*restarted, "GBP"), u"19.32");
}

TEST_F(InputManager, ASavedInputWithoutACurrencyStartsLikeTheFirstTime)
{
    for (const QVariant &currency : {QVariant(), QVariant(42), QVariant(QStringList{USD})}) {
        QVariantMap saved{{QStringLiteral("Value"), 25.0}};
        if (currency.isValid())
            saved.insert(QStringLiteral("Currency"), currency);
        standardDefaults.setObject(saved, QStringLiteral("LastInput"));
        currencies.source.reset();

        auto manager = start();
        EXPECT_EQ(currencies.userBaseCurrency(), EUR);
        EXPECT_EQ(shown(*manager, "EUR"), u"100");
    }
}

TEST_F(InputManager, ASavedInputWithoutAValueStartsAtZero)
{
    standardDefaults.setObject(QVariantMap{{QStringLiteral("Currency"), GBP}},
                               QStringLiteral("LastInput"));
    auto manager = start();
    EXPECT_EQ(shown(*manager, "GBP"), u"0");
    EXPECT_EQ(shown(*manager, "USD"), u"0");
}

TEST_F(InputManager, TheSummaryHasALinePerVisibleCurrencyButTheMainOne)
{
    auto manager = start();
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"100 EUR = 110 USD\n100 EUR = 85 GBP\n");

    currencies.setUserBaseCurrency(USD);
    manager->startOver();
    type(*manager, "10.", USD);
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"10. USD = 10. USD\n10. USD = 7.73 GBP\n");

    currencies.visible = QStringList{EUR};
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
}

TEST_F(InputManager, WithoutAnyMainCurrencyNothingIsConverted)
{
    currencies.main.reset();
    auto manager = start();
    EXPECT_EQ(shown(*manager, "USD"), u"0");
    EXPECT_EQ(manager->inputSummaryForPasteboard(), u"");
}
