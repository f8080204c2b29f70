#pragma once

#include "FXInput.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class FXNumberFormatter;
class FXUserDefaults;

// What the input manager asks of the currencies: which ones the converter shows, which one the
// user types into, and the conversion between them. The currency manager answers.
class FXCurrencySource {
public:
    virtual ~FXCurrencySource() = default;
    // The main currency in force; none when nothing decides one.
    virtual std::optional<QString> defaultCurrency() const = 0;
    // The source currency, the one being typed into; the main currency until something sets it.
    virtual std::optional<QString> userBaseCurrency() const = 0;
    virtual void setUserBaseCurrency(const std::optional<QString> &currency) = 0;
    // The visible currencies without the main one, in their order.
    virtual QStringList userPreferredCurrencies() const = 0;
    virtual double convertedAmount(double amount, const QString &fromCurrency,
                                   const QString &toCurrency) const = 0;
};

// Keeps the amount of every currency in step with the one being typed: one input buffer per
// currency that anybody asked for, every other buffer rewritten with the converted amount after
// each change of the source. Restores the last amount at start-up ("LastInput" in the standard
// user defaults, else 100 in the main currency) and makes the copy-all summary.
// One instance per process; tests build their own. Main thread only.
class FXInputManager {
public:
    // The instance of the composition root (src/app).
    static FXInputManager &sharedManager();
    FXInputManager(FXCurrencySource &currencies, FXUserDefaults &standardDefaults,
                   const FXNumberFormatter &formatter);

    // The buffer of `currency`, made empty on first request; buffers are never removed.
    FXInput &inputForCurrency(const QString &currency);
    // Sets the buffer of `currency` without converting the others.
    void setInput(double value, const QString &currency);

    // Typing into the buffer of `currency`, each followed by updateInputs().
    void appendNumber(const QString &character, const QString &currency);
    void appendDelimiterForCurrency(const QString &currency);
    void removeLastCharacterForCurrency(const QString &currency);

    QString humanReadableInputForCurrency(const QString &currency);
    // Every buffer, the source's too, holds "0".
    void startOver();
    // Rewrites every buffer but the source's with the source amount converted into its currency.
    void updateInputs();
    // The same from `amount` of the source, for an amount entered whole (by cambio-cli) that its
    // buffer holds rounded: the others convert the amount, not what the source's row shows.
    void updateInputsFromAmount(double amount);
    void saveCurrentInput();
    // One line "SOURCE_AMOUNT SOURCE = AMOUNT CODE" per row of the converter (the main currency,
    // then the other visible ones) but the source's, in the rows' order. For a right-to-left
    // reader each amount with its code is isolated as left-to-right text (U+2066 ... U+2069), so
    // that a right-to-left document keeps its digits, separators and code together and reads the
    // line from the right; a left-to-right document shows the same text.
    QString inputSummaryForPasteboard(Qt::LayoutDirection direction = Qt::LeftToRight);
    // One currency's amount as Copy gives it: isolated the same way for a right-to-left reader,
    // where a trailing separator ("10.") would otherwise move before the digits.
    QString inputForPasteboard(const QString &currency, Qt::LayoutDirection direction);

    const QHash<QString, FXInput> &inputs() const { return m_inputs; }
    void setInputs(const QHash<QString, FXInput> &inputs) { m_inputs = inputs; }

private:
    void restoreLastInput();

    FXCurrencySource &m_currencies;
    FXUserDefaults &m_standardDefaults;
    const FXNumberFormatter &m_formatter;
    QHash<QString, FXInput> m_inputs;
};
