#include "FXNumberNotation.h"

#include "FXICUString.h"

#include <QStringList>
#include <QVarLengthArray>

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace {

using Symbols = icu::DecimalFormatSymbols;

QString symbol(const Symbols &symbols, Symbols::ENumberFormatSymbol which)
{
    return FXICUString::toQString(symbols.getSymbol(which));
}

// The marks that set the direction of what follows without reordering anything: copying from
// right-to-left text puts them around a number, and right-to-left locales write them around the
// minus sign. The other direction controls (embeddings, overrides, isolates) may reorder what a
// terminal or a field shows: an override shows "00.01" as "10.00".
bool isDirectionMark(QChar character)
{
    const char16_t unit = character.unicode();
    return unit == u'\u061c' || unit == u'\u200e' || unit == u'\u200f';
}

// The text without white space and direction marks at its ends.
QStringView trimmed(QStringView text)
{
    const auto isPadding = [](QChar character) {
        return character.isSpace() || isDirectionMark(character);
    };
    while (!text.isEmpty() && isPadding(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isPadding(text.back()))
        text.chop(1);
    return text;
}

bool hasAt(QStringView text, qsizetype position, const QString &part)
{
    return !part.isEmpty() && text.sliced(position).startsWith(part);
}

char32_t codePointAt(QStringView text, qsizetype position)
{
    const QChar unit = text.at(position);
    if (unit.isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text.at(position + 1));
    return unit.unicode();
}

qsizetype codePointCount(QStringView text)
{
    return std::count_if(text.begin(), text.end(),
                         [](QChar unit) { return !unit.isLowSurrogate(); });
}

}

FXNumberNotation::FXNumberNotation(const icu::Locale &locale, const Symbols &symbols)
    : m_decimalSeparator(symbol(symbols, Symbols::kDecimalSeparatorSymbol))
    , m_groupingSeparator(symbol(symbols, Symbols::kGroupingSeparatorSymbol))
    , m_minusSign(symbol(symbols, Symbols::kMinusSignSymbol))
    , m_zero(char32_t(symbols.getSymbol(Symbols::kZeroDigitSymbol).char32At(0)))
{
    // A text is read without the marks at its start, so the minus sign is matched without its own.
    while (!m_minusSign.isEmpty() && isDirectionMark(m_minusSign.front()))
        m_minusSign.remove(0, 1);
    // Where the locale puts grouping separators is where ICU's formatting of a long number shows
    // them: "1,234,567,890" in en_US, "1,23,45,67,890" in hi_IN, none in a locale that does not
    // group digits. One formatting costs a fraction of what a DecimalFormat does.
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString written = icu::number::NumberFormatter::withLocale(locale)
                                           .symbols(symbols)
                                           .formatInt(1234567890, status)
                                           .toString(status);
    const QStringList groups = m_groupingSeparator.isEmpty() || U_FAILURE(status)
        ? QStringList()
        : FXICUString::toQString(written).split(m_groupingSeparator);
    if (groups.size() > 1) {
        m_primaryGroupingSize = int(codePointCount(groups.last()));
        const QString &secondGroup = groups.at(groups.size() - 2);
        m_secondaryGroupingSize = groups.size() > 2 ? int(codePointCount(secondGroup))
                                                    : m_primaryGroupingSize;
    }
}

std::optional<double> FXNumberNotation::read(QStringView text) const
{
    const QStringView cleaned = trimmed(text);
    std::string number;   // the amount in the C locale's notation, for std::from_chars
    qsizetype position = minusSignLength(cleaned);
    if (position > 0)
        number += '-';

    // The length of each run of integer digits between grouping separators.
    QVarLengthArray<int, 8> groups{0};
    bool hasDigits = false;
    while (position < cleaned.size()) {
        if (const int digit = digitAt(cleaned, position); digit >= 0) {
            number += char('0' + digit);
            ++groups.back();
            hasDigits = true;
        } else if (const qsizetype length = groupingSeparatorLengthAt(cleaned, position)) {
            groups.append(0);
            position += length;
        } else {
            break;
        }
    }
    if (!isGroupedAsWritten(groups))
        return std::nullopt;

    if (hasAt(cleaned, position, m_decimalSeparator)) {
        number += '.';
        position += m_decimalSeparator.size();
        while (position < cleaned.size()) {
            const int digit = digitAt(cleaned, position);
            if (digit < 0)
                break;
            number += char('0' + digit);
            hasDigits = true;
        }
    }
    if (position != cleaned.size() || !hasDigits)
        return std::nullopt;

    // Digits beyond the range of a double are refused, not read as infinity.
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

bool FXNumberNotation::hasDigitsOfItsOwn(QStringView text) const
{
    if (m_zero == U'0')
        return false;
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [this](uint character) {
        return QChar::category(character) == QChar::Number_DecimalDigit
            && character - QChar::digitValue(character) == m_zero;
    });
}

int FXNumberNotation::digitAt(QStringView text, qsizetype &position)
{
    const char32_t character = codePointAt(text, position);
    if (QChar::category(character) != QChar::Number_DecimalDigit)
        return -1;
    position += QChar::requiresSurrogates(character) ? 2 : 1;
    return QChar::digitValue(character);
}

qsizetype FXNumberNotation::groupingSeparatorLengthAt(QStringView text, qsizetype position) const
{
    if (hasAt(text, position, m_groupingSeparator))
        return m_groupingSeparator.size();
    // The separators people type for the ones they see: a plain space for the narrow no-break
    // space of fr_FR, a straight apostrophe for the ’ of de_CH.
    const QChar typed = text.at(position);
    const bool isSpace = m_groupingSeparator.size() == 1 && m_groupingSeparator.front().isSpace();
    if ((isSpace && typed.isSpace()) || (m_groupingSeparator == u"\u2019" && typed == u'\''))
        return 1;
    return 0;
}

qsizetype FXNumberNotation::minusSignLength(QStringView text) const
{
    if (hasAt(text, 0, m_minusSign))
        return m_minusSign.size();
    // The hyphen-minus of every keyboard and the minus sign proper, whichever the locale writes.
    return !text.isEmpty() && (text.front() == u'-' || text.front() == u'\u2212') ? 1 : 0;
}

bool FXNumberNotation::isGroupedAsWritten(std::span<const int> groups) const
{
    if (groups.size() == 1)
        return true;
    if (m_primaryGroupingSize == 0 || groups.back() != m_primaryGroupingSize)
        return false;
    for (const int size : groups.subspan(1, groups.size() - 2)) {
        if (size != m_secondaryGroupingSize)
            return false;
    }
    return groups.front() >= 1 && groups.front() <= m_secondaryGroupingSize;
}
