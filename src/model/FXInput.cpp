#include "FXInput.h"

#include "FXNumberFormatter.h"

#include <algorithm>
#include <cmath>

namespace {

// Twelve integer digits and two fraction digits around one separator: the longest amount that
// typing builds. The lengths are compared for equality, so a longer text written by setInput is
// left as it is rather than cut.
constexpr qsizetype MaxIntegerLength = FXInput::maximumIntegerDigits;
constexpr qsizetype MaxLength = MaxIntegerLength + 1 + FXNumberFormatter::maximumFractionDigits;

// The limits count characters: a digit outside the Basic Multilingual Plane (Adlam, or a
// mathematical digit) takes two UTF-16 units.
qsizetype characterCount(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar unit) { return !unit.isLowSurrogate(); });
}

}

bool FXInput::fitsTyping(double value)
{
    return std::round(std::abs(value) * 100) / 100 < std::pow(10.0, maximumIntegerDigits);
}

FXInput::FXInput(const FXNumberFormatter &formatter)
    : m_formatter(&formatter)
{
}

QString FXInput::description() const
{
    return QStringLiteral("<FXInput: 0x%1> - %2")
        .arg(QString::number(quintptr(this), 16), m_inputString);
}

QString FXInput::numberDelimiter() const
{
    return m_formatter->decimalSeparator();
}

bool FXInput::hasFractionDigits() const
{
    return m_inputString.contains(numberDelimiter());
}

qsizetype FXInput::fractionDigitsCount() const
{
    const QString delimiter = numberDelimiter();
    const qsizetype fractionStart = m_inputString.indexOf(delimiter) + delimiter.size();
    return characterCount(QStringView(m_inputString).sliced(fractionStart));
}

std::optional<double> FXInput::formattedNumber() const
{
    if (m_inputString.isEmpty())
        return 0.0;
    return m_formatter->formattedNumberForInput(m_inputString);
}

QString FXInput::humanReadableInput() const
{
    return m_inputString.isEmpty() ? QStringLiteral("0") : m_inputString;
}

double FXInput::doubleValue() const
{
    return formattedNumber().value_or(0.0);
}

void FXInput::setInput(double value)
{
    m_inputString = m_formatter->formattedStringForInput(value);
}

void FXInput::appendNumber(const QString &character)
{
    if (character.isEmpty())
        return;
    const QChar first = character.front();
    const char32_t codePoint = first.isHighSurrogate() && character.size() > 1
        ? QChar::surrogateToUcs4(first, character.at(1))
        : char32_t(first.unicode());
    if (QChar::isDigit(codePoint))
        appendCharacter(character);
}

void FXInput::appendCharacter(const QString &character)
{
    const QString delimiter = numberDelimiter();
    const qsizetype length = characterCount(m_inputString);
    if (m_inputString.contains(delimiter)) {
        // Two or more, not exactly two: a small amount is written with more fraction digits than
        // typing may add, and typing must not make it longer.
        if (length == MaxLength || fractionDigitsCount() >= FXNumberFormatter::maximumFractionDigits)
            return;
    } else if (length == MaxIntegerLength && character != delimiter) {
        return;
    }
    if (isLoneZero() && character != delimiter)
        m_inputString.clear();
    // Only an amount written whole is long enough to pass the range of a double when a digit is
    // added; it would then read as no number at all, that is 0.
    if (length > MaxLength && !m_formatter->formattedNumberForInput(m_inputString + character))
        return;
    m_inputString += character;
}

void FXInput::appendDelimiter()
{
    if (hasFractionDigits())
        return;
    // The zero in front of a separator typed first is the locale's zero digit, the one that
    // setInput writes: the row looks the same whichever way it got its zero.
    if (m_inputString.isEmpty())
        appendCharacter(m_formatter->formattedStringForInput(0.0));
    appendCharacter(numberDelimiter());
}

void FXInput::removeLastCharacter()
{
    const qsizetype length = m_inputString.size();
    if (length == 0)
        return;
    // Digits outside the Basic Multilingual Plane take two units; half of one is no character.
    const bool isPair = length > 1 && m_inputString.at(length - 1).isLowSurrogate()
        && m_inputString.at(length - 2).isHighSurrogate();
    m_inputString.chop(isPair ? 2 : 1);
    // What is left of a negative amount without its digits ("-", or the minus sign with its
    // direction mark) is no amount: the buffer is empty then, and reads and shows 0.
    const bool hasDigit = std::any_of(m_inputString.cbegin(), m_inputString.cend(),
                                      [](QChar c) { return c.isDigit() || c.isSurrogate(); });
    if (!hasDigit)
        m_inputString.clear();
}

bool FXInput::isLoneZero() const
{
    // Any script's zero: under a locale with its own digits, setInput(0) writes that zero, and the
    // next digit typed must replace it just as it replaces "0".
    return m_inputString.size() == 1 && m_inputString.front().digitValue() == 0;
}
