#pragma once

#include "FXCurrencyInputFormatter.h"

#include <QValidator>

// The edit check of an amount field, as Qt's line edits take it: the core's formatter decides, and
// a refused edit leaves its cleaned copy in the field with the caret at its end. Under a locale
// with digits of its own, what is typed in the digits 0 to 9 shows in the locale's. Texts the program
// writes into the field do not pass through it (see FXTableTextField::setAmount), but are told to
// it: the check of an edit depends on the amount it starts from.
class FXCurrencyInputValidator : public QValidator {
    Q_OBJECT

public:
    FXCurrencyInputValidator(const FXLocale &locale, FXNotificationCenter &center,
                             QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;
    // The text the field holds now, written by the program.
    void setCurrentText(const QString &text) { m_currentText = text; }

private:
    FXCurrencyInputFormatter m_formatter;
    mutable QString m_currentText;   // the field's text before the edit being checked
};
