#include "FXInputManager.h"

#include "FXUserDefaults.h"

namespace {

const QString LastInputKey = QStringLiteral("LastInput");
const QString ValueKey = QStringLiteral("Value");
const QString CurrencyKey = QStringLiteral("Currency");

}

FXInputManager::FXInputManager(FXCurrencySource &currencies, FXUserDefaults &standardDefaults,
                               const FXNumberFormatter &formatter)
    : m_currencies(currencies)
    , m_standardDefaults(standardDefaults)
    , m_formatter(formatter)
{
    for (const QString &currency : m_currencies.userPreferredCurrencies())
        inputForCurrency(currency);
    if (const auto main = m_currencies.defaultCurrency())
        inputForCurrency(*main);
    restoreLastInput();
}

void FXInputManager::restoreLastInput()
{
    const auto lastInput = m_standardDefaults.dictionaryForKey(LastInputKey);
    const QVariant currency = lastInput ? lastInput->value(CurrencyKey) : QVariant();
    // A saved input without a currency is as good as none: start like the very first time.
    if (currency.typeId() != QMetaType::QString) {
        if (const auto main = m_currencies.defaultCurrency())
            setInput(100, *main);
    } else {
        bool isNumber = false;
        const double value = lastInput->value(ValueKey).toDouble(&isNumber);
        setInput(isNumber ? value : 0.0, currency.toString());
        m_currencies.setUserBaseCurrency(currency.toString());
    }
    updateInputs();
}

FXInput &FXInputManager::inputForCurrency(const QString &currency)
{
    auto it = m_inputs.find(currency);
    if (it == m_inputs.end())
        it = m_inputs.insert(currency, FXInput(m_formatter));
    return it.value();
}

void FXInputManager::setInput(double value, const QString &currency)
{
    inputForCurrency(currency).setInput(value);
}

void FXInputManager::appendNumber(const QString &character, const QString &currency)
{
    inputForCurrency(currency).appendNumber(character);
    updateInputs();
}

void FXInputManager::appendDelimiterForCurrency(const QString &currency)
{
    inputForCurrency(currency).appendDelimiter();
    updateInputs();
}

void FXInputManager::removeLastCharacterForCurrency(const QString &currency)
{
    inputForCurrency(currency).removeLastCharacter();
    updateInputs();
}

QString FXInputManager::humanReadableInputForCurrency(const QString &currency)
{
    return inputForCurrency(currency).humanReadableInput();
}

void FXInputManager::startOver()
{
    for (FXInput &input : m_inputs)
        input.setInput(0);
}

void FXInputManager::updateInputs()
{
    if (const auto source = m_currencies.userBaseCurrency())
        updateInputsFromAmount(inputForCurrency(*source).doubleValue());
}

void FXInputManager::updateInputsFromAmount(double amount)
{
    const auto source = m_currencies.userBaseCurrency();
    if (!source)
        return;
    for (auto it = m_inputs.begin(); it != m_inputs.end(); ++it) {
        if (it.key() != *source)
            it->setInput(m_currencies.convertedAmount(amount, *source, it.key()));
    }
}

void FXInputManager::saveCurrentInput()
{
    const auto source = m_currencies.userBaseCurrency();
    if (!source)
        return;
    m_standardDefaults.setObject(
        QVariantMap{{CurrencyKey, *source}, {ValueKey, inputForCurrency(*source).doubleValue()}},
        LastInputKey);
}

namespace {

QString isolated(const QString &text, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft)
        return text;
    return QChar(0x2066) % text % QChar(0x2069);
}

}

QString FXInputManager::inputForPasteboard(const QString &currency, Qt::LayoutDirection direction)
{
    return isolated(humanReadableInputForCurrency(currency), direction);
}

QString FXInputManager::inputSummaryForPasteboard(Qt::LayoutDirection direction)
{
    const auto source = m_currencies.userBaseCurrency();
    if (!source)
        return {};
    const QString sourceAmount = inputForCurrency(*source).humanReadableInput();
    QStringList rows = m_currencies.userPreferredCurrencies();
    if (const auto main = m_currencies.defaultCurrency())
        rows.prepend(*main);
    QString summary;
    for (const QString &currency : std::as_const(rows)) {
        if (currency != *source) {
            summary += isolated(sourceAmount % u' ' % *source, direction) % u" = "
                       % isolated(inputForCurrency(currency).humanReadableInput() % u' ' % currency,
                                  direction)
                       % u'\n';
        }
    }
    return summary;
}
