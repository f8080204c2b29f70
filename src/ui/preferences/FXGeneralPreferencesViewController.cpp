#include "FXGeneralPreferencesViewController.h"

#include "FXCurrencyManager.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatViewController.h"
#include "FXNumberFormatsModel.h"
#include "FXPreferencesLabels.h"
#include "FXSetMainCurrencyViewController.h"
#include "FXSettingsManager.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What the example of the number format shows: an amount with a fraction, as the converter writes it.
constexpr double ExampleAmount = 1234.56;

QLabel *sectionLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton *changeButton(const QString &accessibleName, QWidget *parent)
{
    auto *button = new QPushButton(FXLocalizedString::text("Change…"), parent);
    button->setAccessibleName(accessibleName);
    return button;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}

FXGeneralPreferencesViewController::FXGeneralPreferencesViewController(
    const FXPreferencesServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_numberFormatter(services.locale)
    , m_mainCurrency(new QLabel(this))
    , m_changeMainCurrency(changeButton(FXLocalizedString::text("Change Main Currency"), this))
    , m_numberFormat(new QLabel(this))
    , m_numberExample(new FXNoteLabel(QString(), this))
    , m_changeNumberFormat(changeButton(FXLocalizedString::text("Change Number Format"), this))
    , m_server(new QLineEdit(this))
    , m_serverNote(new FXNoteLabel(QString(), this))
    , m_refresh(new QPushButton(FXLocalizedString::text("Refresh Now"), this))
    , m_status(new QLabel(this))
    , m_refreshFailure(new FXNoteLabel(QString(), this))
    , m_failure(new FXFailureLabel(this))
{
    setObjectName(QStringLiteral("General"));
    setFocusProxy(m_changeMainCurrency);
    m_mainCurrency->setAccessibleName(FXLocalizedString::text("Main Currency"));
    m_numberFormat->setAccessibleName(FXLocalizedString::text("Number Format"));
    m_server->setAccessibleName(FXLocalizedString::text("Rates Server"));
    m_server->setMinimumWidth(320);
    m_refresh->setAccessibleName(FXLocalizedString::text("Refresh Now"));
    m_status->setAccessibleName(FXLocalizedString::text("Rates"));
    m_refreshFailure->setTextFormat(Qt::PlainText);
    m_refreshFailure->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    int row = 0;
    grid->addWidget(sectionLabel(FXLocalizedString::text("Main currency:"), m_changeMainCurrency, this),
                    row, 0);
    grid->addWidget(m_mainCurrency, row, 1);
    grid->addWidget(m_changeMainCurrency, row++, 2);
    grid->addWidget(sectionLabel(FXLocalizedString::text("Number format:"), m_changeNumberFormat, this),
                    row, 0);
    grid->addWidget(m_numberFormat, row, 1);
    grid->addWidget(m_changeNumberFormat, row++, 2);
    grid->addWidget(m_numberExample, row++, 1, 1, 2);
    grid->addItem(new QSpacerItem(0, 6), row++, 0);
    grid->addWidget(separator(this), row++, 0, 1, 3);
    grid->addItem(new QSpacerItem(0, 6), row++, 0);
    grid->addWidget(sectionLabel(FXLocalizedString::text("Rates server:"), m_server, this), row, 0);
    grid->addWidget(m_server, row++, 1, 1, 2);
    grid->addWidget(m_serverNote, row++, 1, 1, 2);
    grid->addWidget(sectionLabel(FXLocalizedString::text("Rates:"), m_refresh, this), row, 0);
    grid->addWidget(m_status, row, 1);
    grid->addWidget(m_refresh, row++, 2);
    grid->addWidget(m_refreshFailure, row++, 1, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(grid);
    layout->addWidget(m_failure);
    layout->addStretch(1);

    connect(m_changeMainCurrency, &QPushButton::clicked, this,
            &FXGeneralPreferencesViewController::presentMainCurrency);
    connect(m_changeNumberFormat, &QPushButton::clicked, this,
            &FXGeneralPreferencesViewController::presentNumberFormat);
    connect(m_server, &QLineEdit::editingFinished, this,
            &FXGeneralPreferencesViewController::applyRatesServer);
    connect(m_refresh, &QPushButton::clicked, this,
            &FXGeneralPreferencesViewController::updateCurrencyRates);

    FXNotificationCenter &center = m_services.center;
    center.addObserver(this, FXSettingsDidChangeNotification, [this](const FXNotification &) {
        showMainCurrency();
        if (!m_server->hasFocus())
            showRatesServer();
    });
    center.addObserver(this, FXCurrentLocaleDidChangeNotification, [this](const FXNotification &) {
        showMainCurrency();
        showNumberFormat();
    }, &m_services.locale);
    center.addObserver(this, LocationDidChangeNotification,
                       [this](const FXNotification &) { showMainCurrency(); });
    center.addObserver(this, FXRatesDidUpdateNotification, [this](const FXNotification &rates) {
        showRatesStatus(rates.userInfo.value(FXRatesUpdateFailureReasonKey).toString());
    });

    showMainCurrency();
    showNumberFormat();
    showRatesServer();
    showRatesStatus(m_services.currencies.lastRefreshFailureReason());
}

FXGeneralPreferencesViewController::~FXGeneralPreferencesViewController()
{
    // Taking down a window that was never closed moves the focus out of the field while its
    // children go, after this pane is gone: the field's editing must not reach it then. A closed
    // window has stored the edit when it hid.
    m_server->disconnect(this);
}

FXNumberFormatViewController *FXGeneralPreferencesViewController::numberFormatSheet() const
{
    return m_numberFormatSheet;
}

void FXGeneralPreferencesViewController::showMainCurrency()
{
    const QString code = m_services.currencies.defaultCurrency().value_or(QStringLiteral("\u2014"));
    m_mainCurrency->setText(m_services.settings.isLocationBasedCurrencyEnabled()
                                ? FXLocalizedString::format("Follows location: %@", code)
                                : FXLocalizedString::format("%@ (fixed)", code));
}

void FXGeneralPreferencesViewController::showNumberFormat()
{
    const auto chosen = m_services.settings.numberFormatLocale();
    m_numberFormat->setText(
        chosen ? FXNumberFormatsModel::displayName(*chosen)
               : FXLocalizedString::format(
                     "System (%@)",
                     FXNumberFormatsModel::displayName(FXLocale::identifierFromEnvironment())));
    m_numberExample->setText(FXLocalizedString::format(
        "Amounts look like %@", m_numberFormatter.formattedStringForInput(ExampleAmount)));
}

void FXGeneralPreferencesViewController::showRatesServer()
{
    m_server->setText(m_services.currencies.ratesServerURL());
    m_server->setReadOnly(m_services.ratesServerFromEnvironment);
    m_serverNote->setText(
        m_services.ratesServerFromEnvironment
            ? FXLocalizedString::text("CAMBIO_RATES_URL names this server for this session.")
            : FXLocalizedString::text("Cambio and cambio-cli ask this server for new rates. "
                                      "Leave it empty for the server of this computer."));
}

void FXGeneralPreferencesViewController::applyRatesServer()
{
    if (m_services.ratesServerFromEnvironment)
        return;
    const QString typed = m_server->text().trimmed();
    if (typed == m_services.currencies.ratesServerURL())
        return;
    const FXResult result = m_services.settings.setRatesServerURL(typed);
    m_failure->setFailureReason(result.failureReason());
    if (!result.isDone())
        return;
    showRatesServer();
    // The new server answers at once whether it works.
    updateCurrencyRates();
}

void FXGeneralPreferencesViewController::updateCurrencyRates()
{
    m_services.currencies.updateCurrencyRates();
    showRatesStatus(QString());
}

void FXGeneralPreferencesViewController::showRatesStatus(const QString &failureReason)
{
    const bool updating = m_services.currencies.isUpdating();
    m_status->setText(updating ? FXLocalizedString::text("Updating…")
                               : FXLocalizedString::format(
                                     "Updated %@", m_services.currencies.humanReadableUpdateDate()));
    m_refresh->setEnabled(!updating);
    // The core's reasons start in lower case, to fit inside its own sentences.
    QString shown = updating ? QString() : failureReason;
    if (!shown.isEmpty())
        shown[0] = shown[0].toUpper();
    m_refreshFailure->setText(shown);
    m_refreshFailure->setVisible(!shown.isEmpty());
    m_status->setAccessibleDescription(shown);
}

void FXGeneralPreferencesViewController::presentMainCurrency()
{
    if (m_mainCurrencySheet)
        return;
    m_mainCurrencySheet = new FXSetMainCurrencyViewController(m_services, window());
    m_mainCurrencySheet->open();
}

void FXGeneralPreferencesViewController::presentNumberFormat()
{
    if (m_numberFormatSheet)
        return;
    m_numberFormatSheet = new FXNumberFormatViewController(m_services, window());
    // Choosing the system's notation when it is the one in force changes no locale, which would
    // have said so.
    connect(m_numberFormatSheet, &QDialog::accepted, this,
            &FXGeneralPreferencesViewController::showNumberFormat);
    m_numberFormatSheet->open();
}
