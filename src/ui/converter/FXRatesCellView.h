#pragma once

#include "FXConverterServices.h"

#include <QWidget>

class FXTableTextField;
class QLabel;

// The contents of one converter row: the currency's flag, its sign and its amount field. It knows
// its currency and nothing else: the sign comes from the currency manager and the amount from the
// input manager, already written in the locale's notation. The header row's cell is the same class
// in a larger layout.
class FXRatesCellView : public QWidget {
    Q_OBJECT

public:
    enum class Style { Header, Regular };

    FXRatesCellView(Style style, const FXConverterServices &services, QWidget *parent = nullptr);

    QString currency() const { return m_currency; }
    // Shows `currency`: flag, sign and amount.
    void setCurrency(const QString &currency);
    // Shows the currency's amount again, leaving flag and sign alone.
    void updateInput();
    // Gives the amount field the keyboard with the caret `offset` characters before its end.
    void activateWithCharacterOffset(int offset);

    QLabel *flagImageView() const { return m_flag; }
    QLabel *currencySignTextField() const { return m_sign; }
    FXTableTextField *inputTextField() const { return m_input; }

protected:
    bool event(QEvent *event) override;

private:
    void updateFlag();

    const FXConverterServices &m_services;
    QString m_currency;
    QLabel *m_flag;
    QLabel *m_sign;
    FXTableTextField *m_input;
    qreal m_flagScale = 0;   // the scale the shown flag was rendered for; 0 while none is shown
};
