#pragma once

#include "FXNumberFormatter.h"
#include "FXPreferencesServices.h"

#include <QPointer>
#include <QWidget>

class FXFailureLabel;
class FXNumberFormatViewController;
class FXSetMainCurrencyViewController;
class QLabel;
class QLineEdit;
class QPushButton;
struct FXNotification;

// The first pane of the preferences: the main currency (fixed, or following the location) with
// the sheet that changes it; the notation of amounts, the system's or a locale's, with the sheet
// that chooses it; and the rates server in use, which the user may point elsewhere, with a
// refresh and how the last one went. Every choice goes through the settings store, so that the
// converter and cambio-cli follow.
class FXGeneralPreferencesViewController : public QWidget {
    Q_OBJECT

public:
    explicit FXGeneralPreferencesViewController(const FXPreferencesServices &services,
                                                QWidget *parent = nullptr);
    ~FXGeneralPreferencesViewController() override;

    QLabel *mainCurrencyLabel() const { return m_mainCurrency; }
    QLabel *numberFormatLabel() const { return m_numberFormat; }
    QPushButton *numberFormatButton() const { return m_changeNumberFormat; }
    QLineEdit *ratesServerField() const { return m_server; }
    QPushButton *refreshButton() const { return m_refresh; }
    QLabel *ratesStatusLabel() const { return m_status; }
    QLabel *ratesFailureLabel() const { return m_refreshFailure; }
    FXFailureLabel *failureLabel() const { return m_failure; }
    // The number-format sheet while it is open.
    FXNumberFormatViewController *numberFormatSheet() const;

    void presentMainCurrency();
    void presentNumberFormat();
    // Stores the address typed into the server field, or tells why it cannot be.
    void applyRatesServer();
    void updateCurrencyRates();

private:
    void showMainCurrency();
    void showNumberFormat();
    void showRatesServer();
    void showRatesStatus(const QString &failureReason);

    const FXPreferencesServices &m_services;
    FXNumberFormatter m_numberFormatter;
    QLabel *m_mainCurrency;
    QPushButton *m_changeMainCurrency;
    QLabel *m_numberFormat;
    QLabel *m_numberExample;
    QPushButton *m_changeNumberFormat;
    QLineEdit *m_server;
    QLabel *m_serverNote;
    QPushButton *m_refresh;
    QLabel *m_status;
    QLabel *m_refreshFailure;
    FXFailureLabel *m_failure;
    QPointer<FXSetMainCurrencyViewController> m_mainCurrencySheet;
    QPointer<FXNumberFormatViewController> m_numberFormatSheet;
};
