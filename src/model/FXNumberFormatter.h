#pragma once

#include <QString>

#include <memory>
#include <optional>

class FXLocale;

// Every conversion between an amount and its text: writing amounts into input buffers, reading
// buffers and pasted or edited text back, all in the conventions of one locale.
//
// Amounts are written without grouping separators, in the locale's own digits, with at most two
// fraction digits unless the amount needs more to show two significant digits. Text is read whole: it must
// be a decimal number in one of the locale's notations (optional minus sign, digits optionally
// grouped, optional decimal separator with fraction digits) or it reads as nothing. A locale
// whose own digits are not 0 to 9 has two notations: text in the digits 0 to 9 is read with the
// separators the locale uses with them ("12,500" is twelve thousand five hundred in ar_EG), text
// in its own digits with its own separators. Digits of other scripts count by their value. White
// space around the number is ignored, since copied text often ends with a line break.
//
// What the ICU objects behind the conversions cost is paid once per locale: each instance keeps
// them and rebuilds them when the locale is replaced; what the operations answer is the same as
// with objects built afresh for every call.
//
// Main thread only: the cached objects are rebuilt inside const calls without any locking.
class FXNumberFormatter {
public:
    // Ordinary amounts are written, and typed, with at most this many fraction digits.
    static constexpr int maximumFractionDigits = 2;

    // The composition root's, bound to its locale, whose replacements it follows.
    static FXNumberFormatter &sharedFormatter();

    explicit FXNumberFormatter(const FXLocale &locale);
    ~FXNumberFormatter();
    FXNumberFormatter(const FXNumberFormatter &) = delete;
    FXNumberFormatter &operator=(const FXNumberFormatter &) = delete;

    // Reads an input buffer, or a pasted text before it is accepted.
    std::optional<double> formattedNumberForInput(const QString &text) const;
    // The text of an amount in an input buffer: rounded half to even to at most two fraction
    // digits, or to two significant digits when those take more (0.0051, 0.00088, 0.0000000012:
    // an amount that is not zero is never written as zero, nor as half or double of itself),
    // never in a scientific notation, no trailing zeros, no grouping, in the locale's own
    // digits. A value that is no number (NaN, infinity) is written as zero, so that a buffer
    // only ever holds an amount: callers that must not show such a value as zero ask
    // isWritableAmount first.
    QString formattedStringForInput(double value) const;
    // Reads text pasted or typed into an amount field.
    std::optional<double> formattedNumberForPasteboard(const QString &text) const;

    // Whether formattedStringForInput writes `value` as what it is: false for NaN and for the
    // infinities that amounts beyond the range of a double become.
    static bool isWritableAmount(double value);

    QString decimalSeparator() const;

private:
    struct Conventions;
    Conventions &conventions() const;
    std::optional<double> read(const QString &text) const;

    const FXLocale &m_locale;
    mutable std::unique_ptr<Conventions> m_conventions;   // for the locale's generation it holds
};
