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
    , m_center(center)
{
    localeDidChange();
    m_center.addObserver(this, FXCurrentLocaleDidChangeNotification,
                         [this](const FXNotification &) { localeDidChange(); }, &m_locale);
}

FXCurrencyInputFormatter::~FXCurrencyInputFormatter()
{
    m_center.removeObserver(this);
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
                                                    QString *newString) const
{
    // The text follows the locale's own notation once it holds one of its own digits or its own
    // separator, and the notation of the digits 0 to 9 otherwise, as the number reader does.
    const auto isOwn = [this](QChar character) {
        return m_ownDigits.contains(character)
            || (character == m_decimalSeparator && character != m_latinDecimalSeparator);
    };
    const bool isOwnNotation = std::any_of(partialString.begin(), partialString.end(), isOwn);
    const QChar separator = isOwnNotation ? m_decimalSeparator : m_latinDecimalSeparator;

    bool isValid = true;
    qsizetype separatorPosition = -1;
    QString result;
    result.reserve(partialString.size());
    for (qsizetype position = 0; position < partialString.size(); ++position) {
        const QChar character = partialString.at(position);
        if (character == separator) {
            if (separatorPosition < 0) {
                separatorPosition = position;
                result += character;
            } else {
                isValid = false;
            }
        } else if (!LatinDigits.contains(character) && !m_ownDigits.contains(character)) {
            isValid = false;
        } else if (separatorPosition < 0
                   || position <= separatorPosition + FXNumberFormatter::maximumFractionDigits) {
            // Refused characters use up fraction places too: "1.ab5" becomes "1.".
            result += character;
        } else {
            isValid = false;
        }
    }
    if (newString)
        *newString = result;
    return isValid;
}
