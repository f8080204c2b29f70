#pragma once

#include <QObject>
#include <QString>

class FXLocale;
class FXNotificationCenter;

// Keeps an amount field's text an amount while the user edits it directly: only digits and one
// decimal separator of the locale, with at most two digits after the separator. A refused edit is
// replaced by a cleaned copy of itself, so a paste of "1,234.56" leaves "1234.56" in the field.
//
// It follows the locale for its whole life, through the locale's change notification on
// `center`. Under a locale that writes numbers in its own digits (Arabic-Indic in ar_EG) a field
// holds either what the locale writes, its own digits (and 0 to 9, which keystrokes add) with its
// own separator "٫", or the digits 0 to 9 with the separator the locale uses with them, ".":
// every text it keeps reads as the amount it shows. The locale must outlive it. Main thread only.
class FXCurrencyInputFormatter {
public:
    FXCurrencyInputFormatter(const FXLocale &locale, FXNotificationCenter &center);
    FXCurrencyInputFormatter(const FXCurrencyInputFormatter &) = delete;
    FXCurrencyInputFormatter &operator=(const FXCurrencyInputFormatter &) = delete;

    // Called with the whole text the field would hold after a keystroke, paste or deletion. True
    // accepts it unchanged; false refuses it and sets `newString` (when given) to the text without
    // the offending characters. Integer digits are not limited here. `currentString`, the text
    // the field holds before the edit, may be an amount the program wrote there: its minus sign
    // stays, and its fraction digits beyond two may be removed but not added to.
    bool isPartialStringValid(const QString &partialString, QString *newString,
                              const QString &currentString = QString()) const;

    // `text` as the field shows it while it is edited: under a locale with digits of its own, the
    // digits 0 to 9 and their separator typed into it turn into the locale's, one for one, so the
    // caret keeps its place. Other texts are returned as they are.
    QString inLocaleDigits(const QString &text) const;

    // The digits, then the decimal separators, the locale's own one last.
    QString allowedCharacters() const { return m_allowedCharacters; }
    QChar decimalSeparator() const { return m_decimalSeparator; }

    void localeDidChange();

private:
    bool isAmountCharacter(QChar character) const;
    // The decimal separator of the notation `text` is written in.
    QChar separatorFor(const QString &text) const;
    qsizetype fractionDigits(const QString &text) const;
    // The edit check of a text without sign: adds to `cleaned` what of it may stay.
    bool isAmount(const QString &text, qsizetype fractionLimit, QString *cleaned) const;

    const FXLocale &m_locale;
    QChar m_decimalSeparator;
    QChar m_latinDecimalSeparator;   // the one used with the digits 0 to 9
    QString m_ownDigits;             // empty when the locale's own digits are 0 to 9
    QString m_allowedCharacters;
    QObject m_observing;   // the context of its observation of the locale, which ends with it
};
