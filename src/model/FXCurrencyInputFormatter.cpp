#include "FXCurrencyInputFormatter.h"

#include "FXLocale.h"
#include "FXNotificationCenter.h"

#include <unicode/dcfmtsym.h>

namespace {

constexpr qsizetype MaxFractionDigits = 2;

// The locale's own digits when they differ from 0 to 9. Digits outside the Basic Multilingual
// Plane are left out: the edit check walks single UTF-16 units.
QString nativeDigits(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(locale, status);
    if (U_FAILURE(status))
        return QString();
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
    // Every locale's decimal separator is a single UTF-16 unit.
    m_decimalSeparator = m_locale.decimalSeparator().front();
    m_allowedCharacters = QStringLiteral("0123456789") + nativeDigits(m_locale.icuLocale())
        + m_decimalSeparator;
}

bool FXCurrencyInputFormatter::isPartialStringValid(const QString &partialString,
                                                    QString *newString) const
{
    bool isValid = true;
    qsizetype separatorPosition = -1;
    QString result;
    result.reserve(partialString.size());
    for (qsizetype position = 0; position < partialString.size(); ++position) {
        const QChar character = partialString.at(position);
        if (!m_allowedCharacters.contains(character)) {
            isValid = false;
        } else if (character == m_decimalSeparator) {
            if (separatorPosition < 0) {
                separatorPosition = position;
                result += character;
            } else {
                isValid = false;
            }
        } else if (separatorPosition < 0 || position <= separatorPosition + MaxFractionDigits) {
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
