#include "FXCurrencyInputValidator.h"

FXCurrencyInputValidator::FXCurrencyInputValidator(const FXLocale &locale,
                                                   FXNotificationCenter &center, QObject *parent)
    : QValidator(parent)
    , m_formatter(locale, center)
{
}

QValidator::State FXCurrencyInputValidator::validate(QString &input, int &position) const
{
    // Each character is replaced by one other: the caret stays where it was.
    input = m_formatter.inLocaleDigits(input);
    QString cleaned;
    if (!m_formatter.isPartialStringValid(input, &cleaned, m_currentText)) {
        input = cleaned;
        position = int(cleaned.size());
    }
    m_currentText = input;
    return Acceptable;
}
