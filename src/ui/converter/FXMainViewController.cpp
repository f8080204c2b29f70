#include "FXMainViewController.h"

#include "FXCurrencyManager.h"
#include "FXHeaderRowView.h"
#include "FXHistoryWindowController.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXLocationManager.h"
#include "FXMainTemplateButton.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRatesCellView.h"
#include "FXSettingsManager.h"
#include "FXShareButton.h"
#include "FXStatusLine.h"
#include "FXToolbarView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace {

constexpr int HeaderRowHeight = 70;
constexpr int RegularRowHeight = 44;
constexpr int RowsBeforeScrolling = 11;
// Rates older than this are refreshed when the application comes to the front.
constexpr qint64 StaleRatesSeconds = 300;
constexpr qint64 RefreshRetryMilliseconds = 10'000;

}

FXMainViewController::FXMainViewController(const FXConverterServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_signs(services.currencies)
    , m_pastes(services.numberFormatter, m_signs)
    , m_table(new FXTableView(services.center, this))
    , m_status(new FXStatusLine(this))
    , m_refreshButton(new FXMainTemplateButton(QStringLiteral(":/icons/refresh.svg"),
                                               FXLocalizedString::text("Refresh Rates"), this))
    , m_resetButton(new FXMainTemplateButton(QStringLiteral(":/icons/reset.svg"),
                                             FXLocalizedString::text("Reset Amounts"), this))
    , m_shareButton(new FXShareButton(services.sharing, this))
    , m_menuButton(new FXMainTemplateButton(QStringLiteral(":/icons/menu.svg"),
                                            FXLocalizedString::text("Menu"), this))
    , m_heightAnimation(new QVariantAnimation(this))
{
    auto *toolbar = new FXToolbarView(this);
    auto *tools = new QHBoxLayout(toolbar);
    tools->setContentsMargins(4, 0, 4, 0);
    tools->setSpacing(2);
    tools->addWidget(m_refreshButton);
    tools->addWidget(m_status, 1);
    tools->addWidget(m_resetButton);
    tools->addWidget(m_shareButton);
    tools->addWidget(m_menuButton);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table);
    layout->addWidget(toolbar);

    m_copyAction = makeCommand(FXLocalizedString::text("Copy"), QKeySequence::Copy,
                               &FXMainViewController::copy);
    m_copyAllAction = makeCommand(FXLocalizedString::text("Copy All"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                  &FXMainViewController::copyAll);
    m_pasteAction = makeCommand(FXLocalizedString::text("Paste"), QKeySequence::Paste,
                                &FXMainViewController::paste);
    m_deleteAction = makeCommand(FXLocalizedString::text("Reset Amounts"),
                                 QKeySequence(Qt::Key_Delete),
                                 &FXMainViewController::resetInputAction);
    m_refreshAction = makeCommand(FXLocalizedString::text("Refresh Rates"),
                                  QKeySequence(Qt::CTRL | Qt::Key_R),
                                  &FXMainViewController::updateCurrencyRatesAction);
    m_historyAction = makeCommand(FXLocalizedString::text("History"),
                                  QKeySequence(Qt::CTRL | Qt::Key_H),
                                  &FXMainViewController::showHistory);
    // The context menu's twins act on the row under the menu and need no shortcut of their own.
    m_contextCopyAction = new QAction(FXLocalizedString::text("Copy"), this);
    m_contextPasteAction = new QAction(FXLocalizedString::text("Paste"), this);
    m_contextDeleteAction = new QAction(FXLocalizedString::text("Reset Amounts"), this);
    connect(m_contextCopyAction, &QAction::triggered, this, &FXMainViewController::contextCopy);
    connect(m_contextPasteAction, &QAction::triggered, this, &FXMainViewController::contextPaste);
    connect(m_contextDeleteAction, &QAction::triggered, this, &FXMainViewController::contextDelete);
    m_contextHistoryAction = new QAction(FXLocalizedString::text("History"), this);
    connect(m_contextHistoryAction, &QAction::triggered, this, &FXMainViewController::contextHistory);

    connect(m_refreshButton, &QToolButton::clicked, this,
            &FXMainViewController::updateCurrencyRatesAction);
    connect(m_status, &FXStatusLine::retryRequested, this,
            &FXMainViewController::updateCurrencyRatesAction);
    connect(m_resetButton, &QToolButton::clicked, this, &FXMainViewController::resetInputAction);
    connect(m_table, &FXTableView::contextMenuRequested, this,
            &FXMainViewController::showContextMenu);
    // Ctrl+V with Paste disabled: the refusal is told, not swallowed.
    connect(m_table, &FXTableView::pasteRequested, this, &FXMainViewController::paste);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &FXMainViewController::validateActions);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    applicationDidBecomeActive();
            });

    m_heightAnimation->setDuration(200);
    m_heightAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_heightAnimation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &height) { m_table->setFixedHeight(height.toInt()); });
    m_saveInput.setSingleShot(true);
    m_saveInput.setInterval(1000);
    connect(&m_saveInput, &QTimer::timeout, this, [this] { m_services.inputs.saveCurrentInput(); });

    // What the amounts are converted from stays put when the main currency changes under it.
    m_services.currencies.setUserBaseCurrency(m_services.currencies.userBaseCurrency());
    m_table->setDelegate(this);
    setCurrencies(m_services.currencies.userPreferredCurrenciesIncludingMain());
    // The refresh itself starts once the window is on screen (viewDidAppear).
    m_status->setText(FXLocalizedString::text("Updating…"));

    FXNotificationCenter &center = m_services.center;
    center.addObserver(this, FXRatesDidUpdateNotification,
                       [this](const FXNotification &rates) { ratesDidUpdate(rates); });
    center.addObserver(this, FXCurrentLocaleDidChangeNotification,
                       [this](const FXNotification &) { rowsDidChange(); }, &m_services.locale);
    center.addObserver(this, FXSettingsDidChangeNotification, [this](const FXNotification &) {
        rowsDidChange();
        m_shouldStartOver = false;
    });
    center.addObserver(this, LocationDidChangeNotification,
                       [this](const FXNotification &) { locationDidChange(); });
    validateActions();
    // Tab meets the warning sign of a failed refresh where it stands, after the refresh button.
    // Once the rows are made: making them reorders the chain.
    setTabOrder(m_refreshButton, m_status->warningSign());
}

bool FXMainViewController::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_appeared) {
        m_appeared = true;
        QMetaObject::invokeMethod(this, &FXMainViewController::viewDidAppear, Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void FXMainViewController::viewDidAppear()
{
    // A window closed meanwhile (the program quitting right after its first frame) starts
    // nothing: loading the network and positioning libraries would only delay the end.
    if (!isVisible())
        return;
    m_startedWork = true;
    // Work the first frame does not need waits until it is on screen: the window shows sooner.
    // (A refresh asked for meanwhile, from the keyboard, is not started twice.)
    if (!m_sinceRefreshStarted.isValid())
        updateCurrencyRates();
    // Making the location manager starts locating the computer.
    m_services.location();
}

FXMainViewController::~FXMainViewController()
{
    if (m_saveInput.isActive())
        m_services.inputs.saveCurrentInput();
}

QAction *FXMainViewController::makeCommand(const QString &title, const QKeySequence &shortcut,
                                         void (FXMainViewController::*command)())
{
    auto *action = new QAction(title, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    QWidget::addAction(action);
    return action;
}

QList<QAction *> FXMainViewController::editActions() const
{
    return {m_copyAction, m_copyAllAction, m_pasteAction, m_deleteAction};
}

void FXMainViewController::setApplicationMenu(QMenu *menu)
{
    m_menuButton->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, &FXMainViewController::validateActions);
}

// Rows and their heights.

void FXMainViewController::setCurrencies(const QStringList &currencies)
{
    m_currencies = currencies;
    m_table->reloadData();
    validateActions();
    // After the work of this event, like every layout change.
    QMetaObject::invokeMethod(this, &FXMainViewController::updateTableHeight, Qt::QueuedConnection);
    // The first height is the window's own, not an animation.
    if (m_tableHeightConstant == 0) {
        m_tableHeightConstant = tableHeightForRowCount(m_currencies.size());
        m_table->setFixedHeight(m_tableHeightConstant);
    }
}

int FXMainViewController::tableHeightForRowCount(qsizetype rows)
{
    const int headerRow = HeaderRowHeight + FXTableView::IntercellSpacing;
    const int regularRow = RegularRowHeight + FXTableView::IntercellSpacing;
    // With no row at all the table keeps the room of one.
    const qsizetype shown = qBound(qsizetype(1), rows, qsizetype(RowsBeforeScrolling));
    return headerRow + regularRow * int(shown - 1);
}

void FXMainViewController::updateTableHeight()
{
    const int height = tableHeightForRowCount(m_currencies.size());
    m_tableHeightConstant = height;
    m_heightAnimation->stop();
    if (!isVisible()) {
        m_table->setFixedHeight(height);
        return;
    }
    m_heightAnimation->setStartValue(m_table->height());
    m_heightAnimation->setEndValue(height);
    m_heightAnimation->start();
}

int FXMainViewController::numberOfRows(const FXTableView &) const
{
    return int(m_currencies.size());
}

int FXMainViewController::heightOfRow(const FXTableView &, int row) const
{
    return row == 0 ? HeaderRowHeight : RegularRowHeight;
}

FXRatesRowView *FXMainViewController::rowViewForRow(FXTableView &table, int row)
{
    const auto kind = row == 0 ? FXTableView::RowKind::Header : FXTableView::RowKind::Regular;
    FXRatesRowView *rowView = table.dequeueReusableRowView(kind);
    if (!rowView) {
        if (kind == FXTableView::RowKind::Header) {
            rowView = new FXHeaderRowView(
                new FXRatesCellView(FXRatesCellView::Style::Header, m_services));
        } else {
            rowView = new FXRatesRowView(
                new FXRatesCellView(FXRatesCellView::Style::Regular, m_services));
        }
        FXRatesCellView *cell = rowView->cellView();
        FXTableTextField *field = cell->inputTextField();
        connect(field, &QLineEdit::textEdited, this, [this, cell] { controlTextDidChange(*cell); });
        connect(field, &FXTableTextField::pasteRequested, this,
                [this, cell](QClipboard::Mode mode) {
                    const QString text = QGuiApplication::clipboard()->text(mode);
                    pasteString(text.isNull() ? std::nullopt : std::optional(text),
                                cell->currency());
                });
        field->setCommandHandler(
            [this](FXTableTextField &edited, FXTableTextField::Command command) {
                return moveBetweenRows(edited, command);
            });
    }
    rowView->setDrawSeparator(row + 1 != m_currencies.size());
    return rowView;
}

void FXMainViewController::willDisplayCell(FXTableView &, FXRatesCellView &cell, int row)
{
    cell.setCurrency(m_currencies.value(row));
}

void FXMainViewController::selectionDidChange(FXTableView &table)
{
    m_shouldStartOver = true;
    const int row = table.selectedRow();
    if (row >= 0 && row < m_currencies.size())
        m_services.currencies.setUserBaseCurrency(m_currencies[row]);
    validateActions();
    historyFollowsSelection();
}

void FXMainViewController::rowsDidChange()
{
    setCurrencies(m_services.currencies.userPreferredCurrenciesIncludingMain());
    // Currencies that were not shown before get their amounts now, not at the next keystroke.
    m_services.inputs.updateInputs();
    updateUI();
    historyFollowsSelection();
}

int FXMainViewController::editedRow() const
{
    const QWidget *focus = QApplication::focusWidget();
    return qobject_cast<const FXTableTextField *>(focus) ? m_table->rowForView(focus) : -1;
}

// Showing amounts and rates.

void FXMainViewController::updateUI()
{
    m_table->reloadCells();
}

void FXMainViewController::updateCurrencyRates()
{
    m_status->setText(FXLocalizedString::text("Updating…"));
    m_status->setFailureReason(QString());
    m_sinceRefreshStarted.start();
    m_services.currencies.updateCurrencyRates();
}

void FXMainViewController::updateCurrencyRatesAction()
{
    updateCurrencyRates();
}

void FXMainViewController::ratesDidUpdate(const FXNotification &notification)
{
    m_refreshFailure = notification.userInfo.value(FXRatesUpdateFailureReasonKey).toString();
    showRatesState();
    if (notification.userInfo.value(FXRatesUpdateSucceededKey, true).toBool()) {
        // New rates: every amount is converted again, but the one being typed stays as it is.
        m_services.inputs.updateInputs();
        m_table->reloadCells(editedRow());
    }
}

void FXMainViewController::showRatesState()
{
    m_status->setText(FXLocalizedString::format(
        "Updated %@", m_services.currencies.humanReadableUpdateDate()));
    const QString stale = m_services.currencies.staleRatesWarning();
    m_status->setFailureReason(stale.isEmpty() ? m_refreshFailure : stale);
}

// Typing.

void FXMainViewController::didReceiveInput(FXTableView &table, const QString &character)
{
    const int row = table.selectedRow();
    if (row < 0 || row >= m_currencies.size())
        return;
    const QString &currency = m_currencies[row];
    const QString separator = m_services.currencies.currentDecimalSeparator();
    FXInputManager &inputs = m_services.inputs;
    if (m_shouldStartOver) {
        inputs.startOver();
        m_shouldStartOver = false;
    }
    if (character == separator)
        inputs.appendDelimiterForCurrency(currency);
    else if (character == QStringLiteral("\x7f"))
        inputs.removeLastCharacterForCurrency(currency);
    else
        inputs.appendNumber(character, currency);
    m_saveInput.start();
    updateUI();
}

void FXMainViewController::controlTextDidChange(FXRatesCellView &cell)
{
    const QString currency = cell.currency();
    const double amount = m_services.numberFormatter
                              .formattedNumberForPasteboard(cell.inputTextField()->text())
                              .value_or(0.0);
    m_services.currencies.setUserBaseCurrency(currency);
    m_services.inputs.setInput(amount, currency);
    m_services.inputs.updateInputs();
    m_saveInput.start();
    // The field being typed into keeps its text and caret as the user left them.
    m_table->reloadCells(int(m_currencies.indexOf(currency)));
}

bool FXMainViewController::moveBetweenRows(FXTableTextField &field,
                                           FXTableTextField::Command command)
{
    if (command == FXTableTextField::Command::EndEditing) {
        m_table->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const int selected = m_table->selectedRow();
    const bool up = command == FXTableTextField::Command::MoveUp
                    || command == FXTableTextField::Command::InsertBacktab;
    const int target = up ? selected - 1 : selected + 1;
    if (selected < 0 || target < 0 || target >= m_table->numberOfRows())
        return false;
    const int start = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    const int offsetFromEnd = int(field.text().size()) - start;
    m_table->scrollRowToVisible(target);
    if (FXRatesCellView *cell = m_table->viewAtRow(target))
        cell->activateWithCharacterOffset(offsetFromEnd);
    m_table->selectRow(target);
    return true;
}

// Clipboard and menus.

void FXMainViewController::copy()
{
    const int row = m_table->selectedRow();
    if (row >= 0 && row < m_currencies.size())
        copyString(m_services.inputs.inputForPasteboard(m_currencies[row], layoutDirection()));
}

void FXMainViewController::copyAll()
{
    copyString(m_services.inputs.inputSummaryForPasteboard(layoutDirection()));
}

void FXMainViewController::copyString(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void FXMainViewController::paste()
{
    const int row = m_table->selectedRow();
    if (row < 0 || row >= m_currencies.size())
        return;
    const QString text = QGuiApplication::clipboard()->text();
    pasteString(text.isNull() ? std::nullopt : std::optional(text), m_currencies[row]);
}

void FXMainViewController::pasteString(const std::optional<QString> &text, const QString &currency)
{
    const PasteTarget target = pasteTarget(text.value_or(QString()), currency);
    if (!target.refusal.isEmpty()) {
        QApplication::beep();
        m_status->showNotice(target.refusal);
        return;
    }
    const bool fromField = editedRow() >= 0;
    const int row = int(m_currencies.indexOf(target.currency));
    enterAmount(target.amount, row);
    // The next keystroke goes on from the pasted amount.
    m_shouldStartOver = false;
    // A paste from one row's field into another row goes on in that row's field.
    if (fromField && editedRow() != row) {
        m_table->scrollRowToVisible(row);
        if (FXRatesCellView *cell = m_table->viewAtRow(row))
            cell->activateWithCharacterOffset(0);
    }
}

bool FXMainViewController::showAmount(double amount, const QString &currency)
{
    const int row = int(m_currencies.indexOf(currency));
    if (row < 0)
        return false;
    enterAmount(amount, row);
    m_shouldStartOver = true;
    // An amount field being edited would keep the keyboard in another row.
    m_table->setFocus(Qt::OtherFocusReason);
    m_table->scrollRowToVisible(row);
    return true;
}

void FXMainViewController::enterAmount(double amount, int row)
{
    m_table->selectRow(row);
    m_services.inputs.setInput(amount, m_currencies[row]);
    m_services.inputs.updateInputs();
    m_saveInput.start();
    updateUI();
}

FXMainViewController::PasteTarget FXMainViewController::pasteTarget(const QString &text,
                                                                  const QString &currency) const
{
    const FXPastedAmountReader::Reading reading = m_pastes.read(text);
    if (!reading.amount)
        return {0, QString(), reading.refusal};
    const QString target = reading.currency.value_or(currency);
    if (!m_currencies.contains(target)) {
        const QString name = m_services.currencies.currencyNameForCode(target).value_or(target);
        return {0, QString(),
                FXLocalizedString::format("%@ is not among the currencies shown.", name)};
    }
    return {*reading.amount, target, QString()};
}

bool FXMainViewController::canPaste(const std::optional<QString> &currency) const
{
    const QString text = QGuiApplication::clipboard()->text();
    return currency && !text.isEmpty() && pasteTarget(text, *currency).refusal.isEmpty();
}

void FXMainViewController::resetInputAction()
{
    m_services.inputs.startOver();
    m_saveInput.start();
    updateUI();
}

void FXMainViewController::contextCopy()
{
    if (const auto currency = currencyShowingMenu())
        copyString(m_services.inputs.humanReadableInputForCurrency(*currency));
}

void FXMainViewController::contextPaste()
{
    if (const auto currency = currencyShowingMenu()) {
        const QString text = QGuiApplication::clipboard()->text();
        pasteString(text.isNull() ? std::nullopt : std::optional(text), *currency);
    }
}

void FXMainViewController::contextDelete()
{
    resetInputAction();
}

std::optional<QString> FXMainViewController::currencyShowingMenu() const
{
    const int clicked = m_table->clickedRow();
    const int selected = m_table->selectedRow();
    const int row = clicked == -1 || clicked == selected ? selected : clicked;
    if (row < 0 || row >= m_currencies.size())
        return std::nullopt;
    return m_currencies[row];
}

void FXMainViewController::showContextMenu(const QPoint &globalPosition)
{
    const auto currency = currencyShowingMenu();
    m_contextCopyAction->setEnabled(currency.has_value());
    m_contextPasteAction->setEnabled(canPaste(currency));
    QMenu menu(this);
    menu.addActions({m_contextCopyAction, m_contextPasteAction});
    menu.addSeparator();
    menu.addAction(m_contextDeleteAction);
    if (m_services.history) {
        const int row = currency ? int(m_currencies.indexOf(*currency)) : -1;
        m_contextHistoryAction->setEnabled(historyPair(row).has_value());
        menu.addSeparator();
        menu.addAction(m_contextHistoryAction);
    }
    menu.exec(globalPosition);
}

// History.

std::optional<std::pair<QString, QString>> FXMainViewController::historyPair(int row) const
{
    if (!m_services.history || row < 0 || row >= m_currencies.size() || m_currencies.size() < 2)
        return std::nullopt;
    return std::pair(m_currencies[row], m_currencies[row == 0 ? 1 : 0]);
}

FXHistoryWindowController *FXMainViewController::historyWindow() const
{
    return m_historyWindow;
}

void FXMainViewController::showHistory()
{
    showHistoryOfRow(std::max(0, m_table->selectedRow()));
}

void FXMainViewController::contextHistory()
{
    if (const auto currency = currencyShowingMenu())
        showHistoryOfRow(int(m_currencies.indexOf(*currency)));
}

void FXMainViewController::showHistoryOfRow(int row)
{
    const auto pair = historyPair(row);
    if (!pair)
        return;
    if (!m_historyWindow) {
        m_historyWindow = new FXHistoryWindowController(*m_services.history, m_services.locale,
                                                        m_services.center, m_services.today, this);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_historyWindow->showCurrency(pair->first, pair->second);
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void FXMainViewController::historyFollowsSelection()
{
    if (!m_historyWindow)
        return;
    if (const auto pair = historyPair(m_table->selectedRow()))
        m_historyWindow->showCurrency(pair->first, pair->second);
}

void FXMainViewController::validateActions()
{
    const bool hasSelection = m_table->selectedRow() >= 0;
    m_copyAction->setEnabled(hasSelection);
    m_deleteAction->setEnabled(hasSelection);
    m_historyAction->setEnabled(historyPair(std::max(0, m_table->selectedRow())).has_value());
    const int row = m_table->selectedRow();
    m_pasteAction->setEnabled(
        canPaste(row >= 0 && row < m_currencies.size() ? std::optional(m_currencies[row])
                                                       : std::nullopt));
}

// Time and place.

void FXMainViewController::applicationDidBecomeActive()
{
    // Becoming active before the first frame is on screen (as a window does that a desktop
    // activates at once) leaves the refresh and the location to viewDidAppear().
    if (!m_startedWork)
        return;
    const auto lastUpdate = m_services.currencies.lastUpdateDate();
    const bool stale = !lastUpdate
                       || lastUpdate->secsTo(QDateTime::currentDateTimeUtc()) > StaleRatesSeconds;
    // A refresh under way, or one that has just ended (the one of the start, before the window
    // first became active), tells all there is to know.
    const bool triedJustNow = m_sinceRefreshStarted.isValid()
                              && m_sinceRefreshStarted.elapsed() < RefreshRetryMilliseconds;
    if (stale && !m_services.currencies.isUpdating() && !triedJustNow)
        updateCurrencyRates();
    // The age in words moves on while the window waits in the background.
    else if (!m_services.currencies.isUpdating() && m_sinceRefreshStarted.isValid())
        showRatesState();
    if (m_services.settings.isLocationBasedCurrencyEnabled())
        m_services.location().updateCurrentLocation();
}

void FXMainViewController::locationDidChange()
{
    const auto country = m_services.location().ISOCountryCode();
    const auto currency =
        country ? FXCurrencyManager::currencyCodeForCountryCode(*country) : std::nullopt;
    // A country without a currency has none to offer (accepting would clear the main currency);
    // a country of the main currency has nothing to change.
    if (!currency || currency == m_services.currencies.defaultCurrency())
        return;
    if (m_locationAlert)
        m_locationAlert->close();
    auto *alert = new QMessageBox(window());
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIconPixmap(QApplication::windowIcon().pixmap(64));
    alert->setText(FXLocalizedString::format("LocationChangedAlertMessage", *currency));
    alert->setInformativeText(FXLocalizedString::text("LocationChangedAlertInformativeText"));
    QPushButton *change =
        alert->addButton(FXLocalizedString::text("Change"), QMessageBox::AcceptRole);
    QPushButton *cancel =
        alert->addButton(FXLocalizedString::text("Cancel"), QMessageBox::RejectRole);
    alert->setDefaultButton(change);
    alert->setEscapeButton(cancel);
    connect(alert, &QMessageBox::finished, this, [this, alert, change, offered = *currency] {
        if (alert->clickedButton() != change)
            return;
        const FXResult result = m_services.settings.setDefaultCurrency(offered);
        if (!result.isDone())
            showFailure(result.failureReason());
    });
    m_locationAlert = alert;
    alert->open();
}

void FXMainViewController::showFailure(const QString &reason)
{
    auto *message = new QMessageBox(
        QMessageBox::Warning, QString(),
        FXLocalizedString::text("The main currency could not be changed."), QMessageBox::Ok,
        window());
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::WindowModal);
    message->setInformativeText(reason);
    message->open();
}
