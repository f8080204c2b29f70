#pragma once

#include <QList>
#include <QString>

#include <optional>

class FXCurrencySignResolver;
class FXNumberFormatter;

// Reads a pasted text as one amount for the converter, the same way wherever it is pasted: a
// number in the locale's notation, read as the core reads numbers ("1,234.567" is 1234.567 in
// en_US, to be rounded when it becomes an amount), with at most one currency sign or code before
// or after it ("$1,234.56", "1.234,56 €" in de_DE, "12 USD"). White space and line breaks around
// the text are ignored. Anything else is refused whole with a reason the user reads: more than one
// line, letters, exponents or hexadecimal digits, a sign that stands for several of the currencies
// shown, and amounts with more integer digits than typing allows. Main thread only.
class FXPastedAmountReader {
public:
    struct Reading {
        std::optional<double> amount;     // none when the text was refused
        std::optional<QString> currency;  // the currency named beside the amount, if any
        QString refusal;                  // why the text is no amount; empty when it is one
    };

    // Both must outlive the reader.
    FXPastedAmountReader(const FXNumberFormatter &numbers, const FXCurrencySignResolver &signs);

    Reading read(const QString &text) const;

private:
    // The lengths of the cuts at the start (or the end) of `text` that are a currency's sign or
    // code, 0 first.
    QList<qsizetype> signCuts(const QString &text, bool atEnd) const;
    // The amount of `text` without the `leading` and `trailing` characters, which are signs, when
    // what is left is a number.
    std::optional<Reading> readWithSigns(const QString &text, qsizetype leading,
                                         qsizetype trailing) const;

    const FXNumberFormatter &m_numbers;
    const FXCurrencySignResolver &m_signs;
};
