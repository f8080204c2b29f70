#pragma once

#include <QString>

#include <optional>

class FXNumberFormatter;

// The amount of one currency as the text the user typed: digits, at most one decimal separator
// and at most two digits after it. Kept as text, not as a number, so that "12" and "12" with a
// trailing separator stay different states: the row shows the separator the moment it is typed.
// The value is read from the text on demand.
//
// A value type: the input manager keeps one per currency in a hash. The separator is the one of
// the formatter's locale at each call, so a locale change applies to every buffer at once. The
// formatter must outlive the buffer. Main thread only, like the formatter.
class FXInput {
public:
    // Typing builds amounts of at most this many integer digits.
    static constexpr qsizetype maximumIntegerDigits = 12;
    // Whether typing could build the integer part of `value` once it is rounded to an amount.
    static bool fitsTyping(double value);

    explicit FXInput(const FXNumberFormatter &formatter);

    QString description() const;

    QString numberDelimiter() const;
    bool hasFractionDigits() const;
    // The number of characters after the separator; meaningful only when hasFractionDigits().
    qsizetype fractionDigitsCount() const;

    // 0 for the empty buffer; none when the text does not read as a number.
    std::optional<double> formattedNumber() const;
    // The text as typed, and "0" for the empty buffer.
    QString humanReadableInput() const;
    double doubleValue() const;

    // Replaces the text with the amount as the formatter writes it; such a text may be longer than
    // anything typing can build.
    void setInput(double value);

    // Appends `character` only when it starts with a decimal digit of any script.
    void appendNumber(const QString &character);
    // Appends `character` within the typing limits: 12 integer digits before a separator, 2 digits
    // after it (none after a small amount written with more), 15 characters in all, whatever
    // UTF-16 units they take; a lone zero is replaced by what follows it unless that is the
    // separator.
    void appendCharacter(const QString &character);
    // Adds the separator once, after a zero when nothing was typed yet.
    void appendDelimiter();
    void removeLastCharacter();

    QString inputString() const { return m_inputString; }
    void setInputString(const QString &inputString) { m_inputString = inputString; }

private:
    bool isLoneZero() const;

    const FXNumberFormatter *m_formatter;
    QString m_inputString;
};
