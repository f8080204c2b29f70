#include "FXCurrencyInputFormatter.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"

#include <unicode/dcfmtsym.h>

#include <algorithm>

namespace {

const QString LatinDigits = QStringLiteral("0123456789");

QChar decimalSeparatorOf(const icu::DecimalFormatSymbols &symbols)
{
    // Every locale's decimal separator is a single UTF-16 unit.
    return QChar(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol).charAt(0));
}

// The locale's own digits when they differ from 0 to 9. Digits outside the Basic Multilingual
// Plane are left out: the edit check walks single UTF-16 units.
QString ownDigits(const icu::DecimalFormatSymbols &symbols)
{
    const icu::UnicodeString zero = symbols.getSymbol(icu::DecimalFormatSymbols::kZeroDigitSymbol);
    if (zero.length() != 1 || zero.charAt(0) == u'0')
        return QString();
    QString digits;
    for (int value = 0; value < 10; ++value)
        digits += QChar(char16_t(zero.charAt(0) + value));
    return digits;
}

}

FXCurrencyInputFormatter::FXCurrencyInputFormatter(const FXLocale &locale,
                                                   FXNotificationCenter &center)
    : m_locale(locale)
{
    localeDidChange();
    center.addObserver(&m_observing, FXCurrentLocaleDidChangeNotification,
                       [this](const FXNotification &) { localeDidChange(); }, &m_locale);
}

void FXCurrencyInputFormatter::localeDidChange()
{
    const icu::DecimalFormatSymbols symbols = m_locale.numberSymbols();
    m_decimalSeparator = decimalSeparatorOf(symbols);
    m_latinDecimalSeparator = decimalSeparatorOf(m_locale.latinNumberSymbols());
    m_ownDigits = ownDigits(symbols);
    m_allowedCharacters = LatinDigits + m_ownDigits;
    if (m_latinDecimalSeparator != m_decimalSeparator)
        m_allowedCharacters += m_latinDecimalSeparator;
    m_allowedCharacters += m_decimalSeparator;
}

bool FXCurrencyInputFormatter::isPartialStringValid(const QString &partialString,
                                                    QString *newString,
                                                    const QString &currentString) const
{
    // An amount the program wrote may hold what typing may not: a minus sign in front (with the
    // direction marks some locales write around it) and more than two fraction digits (0.00088).
    // An edit of it keeps the sign, and may remove fraction digits but never add one beyond those
    // it held: otherwise the first keystroke would cut the amount to "0.00" or turn its sign.
    const qsizetype signLength = std::find_if(currentString.cbegin(), currentString.cend(),
                                              [this](QChar c) { return isAmountCharacter(c); })
                                 - currentString.cbegin();
    const QString sign = currentString.left(signLength);
    const bool keepsSign = !sign.isEmpty() && partialString.startsWith(sign)
                           && partialString.size() > sign.size();
    const QString amount = keepsSign ? partialString.mid(sign.size()) : partialString;
    const qsizetype fractionLimit = std::max<qsizetype>(FXNumberFormatter::maximumFractionDigits,
                                                        fractionDigits(currentString.mid(signLength)));

    QString cleaned;
    const bool isValid = isAmount(amount, fractionLimit, &cleaned);
    // A sign left alone is no amount: its characters are refused, and the field empties.
    if (newString)
        *newString = keepsSign ? sign + cleaned : cleaned;
    return isValid;
}

QString FXCurrencyInputFormatter::inLocaleDigits(const QString &text) const
{
    if (m_ownDigits.isEmpty())
        return text;
    QString shown = text;
    for (QChar &character : shown) {
        if (const qsizetype digit = LatinDigits.indexOf(character); digit >= 0)
            character = m_ownDigits.at(digit);
        else if (character == m_latinDecimalSeparator)
            character = m_decimalSeparator;
    }
    return shown;
}

bool FXCurrencyInputFormatter::isAmountCharacter(QChar character) const
{
    return LatinDigits.contains(character) || m_ownDigits.contains(character)
           || character == m_decimalSeparator || character == m_latinDecimalSeparator;
}

QChar FXCurrencyInputFormatter::separatorFor(const QString &text) const
{
    // The text follows the locale's own notation once it holds one of its own digits or its own
    // separator, and the notation of the digits 0 to 9 otherwise, as the number reader does.
    const auto isOwn = [this](QChar character) {
        return m_ownDigits.contains(character)
            || (character == m_decimalSeparator && character != m_latinDecimalSeparator);
    };
    return std::any_of(text.begin(), text.end(), isOwn) ? m_decimalSeparator
                                                         : m_latinDecimalSeparator;
}

qsizetype FXCurrencyInputFormatter::fractionDigits(const QString &text) const
{
    const qsizetype separator = text.indexOf(separatorFor(text));
    return separator < 0 ? 0 : text.size() - separator - 1;
}

bool FXCurrencyInputFormatter::isAmount(const QString &text, qsizetype fractionLimit,
                                        QString *cleaned) const
{
    const QChar separator = separatorFor(text);
    bool isValid = true;
    qsizetype separatorPosition = -1;
    cleaned->reserve(text.size());
    for (qsizetype position = 0; position < text.size(); ++position) {
        const QChar character = text.at(position);
        if (character == separator) {
            if (separatorPosition < 0) {
                separatorPosition = position;
                *cleaned += character;
            } else {
                isValid = false;
            }
        } else if (!LatinDigits.contains(character) && !m_ownDigits.contains(character)) {
            isValid = false;
        } else if (separatorPosition < 0 || position <= separatorPosition + fractionLimit) {
            // Refused characters use up fraction places too: "1.ab5" becomes "1.".
            *cleaned += character;
        } else {
            isValid = false;
        }
    }
    return isValid;
}
