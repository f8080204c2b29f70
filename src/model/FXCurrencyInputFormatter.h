#pragma once

#include <QString>

class FXLocale;
class FXNotificationCenter;

// Keeps an amount field's text an amount while the user edits it directly: only digits and one
// decimal separator of the locale, with at most two digits after the separator. A refused edit is
// replaced by a cleaned copy of itself, so a paste of "1,234.56" leaves "1234.56" in the field.
//
// It follows the locale's decimal separator for its whole life, through the locale's change
// notification on `center`. The digits it accepts are 0 to 9 and, under a locale that writes
// numbers in its own script (Arabic-Indic in ar_EG), that script's digits too: amounts written
// into the fields come in those digits and must survive an edit. Both objects must outlive it.
// Main thread only.
class FXCurrencyInputFormatter {
public:
    FXCurrencyInputFormatter(const FXLocale &locale, FXNotificationCenter &center);
    ~FXCurrencyInputFormatter();
    FXCurrencyInputFormatter(const FXCurrencyInputFormatter &) = delete;
    FXCurrencyInputFormatter &operator=(const FXCurrencyInputFormatter &) = delete;

    // Called with the whole text the field would hold after a keystroke, paste or deletion. True
    // accepts it unchanged; false refuses it and sets `newString` (when given) to the text without
    // the offending characters. Integer digits are not limited here.
    bool isPartialStringValid(const QString &partialString, QString *newString) const;

    // The digits, then the decimal separator as the last character.
    QString allowedCharacters() const { return m_allowedCharacters; }
    QChar decimalSeparator() const { return m_decimalSeparator; }

    void localeDidChange();

private:
    const FXLocale &m_locale;
    FXNotificationCenter &m_center;
    QChar m_decimalSeparator;
    QString m_allowedCharacters;
};
