#include "FXCurrencyPreferencesViewController.h"

#include "FXAddCurrencyViewController.h"
#include "FXCurrencyListView.h"
#include "FXCurrencyPreferencesCell.h"
#include "FXLocalizedString.h"
#include "FXPreferencesLabels.h"
#include "FXSettingsManager.h"
#include "FXVisibleCurrenciesModel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *squareButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAccessibleName(name);
    button->setToolTip(name);
    const int side = button->sizeHint().height();
    button->setFixedSize(side, side);
    return button;
}

QAction *listAction(const QString &title, const QKeySequence &shortcut, QWidget *list)
{
    auto *action = new QAction(title, list);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
    return action;
}

}

FXCurrencyPreferencesViewController::FXCurrencyPreferencesViewController(
    const FXPreferencesServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_model(new FXVisibleCurrenciesModel(services.settings, services.currencies, services.center,
                                           this))
    , m_table(new FXCurrencyListView(this))
    , m_add(squareButton(QStringLiteral("+"), FXLocalizedString::text("Add Currency"), this))
    , m_remove(squareButton(QStringLiteral("\u2212"), FXLocalizedString::text("Remove Currency"), this))
    , m_restore(new QPushButton(FXLocalizedString::text("Restore Defaults"), this))
    , m_failure(new FXFailureLabel(this))
{
    setObjectName(QStringLiteral("Currencies"));
    setFocusProxy(m_table);
    auto *intro = new QLabel(
        FXLocalizedString::text("The converter shows these currencies under the main one, in this order."),
        this);
    intro->setWordWrap(true);

    m_table->setModel(m_model);
    m_table->setItemDelegate(new FXCurrencyPreferencesCell(services.flags, m_table));
    m_table->setUniformItemSizes(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAccessibleName(FXLocalizedString::text("Visible Currencies"));
    m_table->setMinimumSize(360, 8 * FXCurrencyPreferencesCell::RowHeight + 2);
    m_restore->setAccessibleName(FXLocalizedString::text("Restore Defaults"));

    m_moveUp = listAction(FXLocalizedString::text("Move Up"), QKeySequence(Qt::ALT | Qt::Key_Up), m_table);
    m_moveDown = listAction(FXLocalizedString::text("Move Down"),
                            QKeySequence(Qt::ALT | Qt::Key_Down), m_table);
    m_removeAction = listAction(FXLocalizedString::text("Remove Currency"),
                                QKeySequence(Qt::Key_Delete), m_table);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *hint = new FXNoteLabel(
        FXLocalizedString::text("Drag a currency, or press Alt+Up or Alt+Down, to change the order."),
        this);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_restore);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_failure);
    layout->addWidget(hint);

    connect(m_add, &QPushButton::clicked, this, &FXCurrencyPreferencesViewController::presentAddCurrency);
    connect(m_remove, &QPushButton::clicked, this, &FXCurrencyPreferencesViewController::removeCurrency);
    connect(m_removeAction, &QAction::triggered, this,
            &FXCurrencyPreferencesViewController::removeCurrency);
    connect(m_restore, &QPushButton::clicked, this, &FXCurrencyPreferencesViewController::resetDefaults);
    connect(m_moveUp, &QAction::triggered, this, [this] { moveSelectedCurrency(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveSelectedCurrency(1); });

    // The selected currency stays selected when the list changes around it.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_selectedBeforeReload = selectedCurrency(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (!m_selectedBeforeReload.isEmpty())
            selectRow(int(m_model->currencies().indexOf(m_selectedBeforeReload)));
        validateActions();
    });
    connect(m_model, &FXVisibleCurrenciesModel::currencyMoved, this,
            [this](int row) { selectRow(row); });
    connect(m_model, &FXVisibleCurrenciesModel::changeWritten, m_failure,
            &FXFailureLabel::setFailureReason);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FXCurrencyPreferencesViewController::validateActions);
    validateActions();
}

FXAddCurrencyViewController *FXCurrencyPreferencesViewController::addSheet() const
{
    return m_addSheet;
}

QString FXCurrencyPreferencesViewController::selectedCurrency() const
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : m_model->currencyAt(selected.first().row());
}

void FXCurrencyPreferencesViewController::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid()) {
        m_table->selectionModel()->clearSelection();
        return;
    }
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_table->scrollTo(index);
}

void FXCurrencyPreferencesViewController::presentAddCurrency()
{
    if (m_addSheet)
        return;
    m_addSheet = new FXAddCurrencyViewController(m_services, window());
    connect(m_addSheet, &QDialog::finished, this,
            &FXCurrencyPreferencesViewController::dismissViewController);
    m_addSheet->open();
}

void FXCurrencyPreferencesViewController::dismissViewController()
{
    m_model->reload();
    m_table->scrollToTop();
    selectRow(0);
    m_table->setFocus(Qt::OtherFocusReason);
}

void FXCurrencyPreferencesViewController::removeCurrency()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    m_model->removeRows(row, 1);
    // The row that took its place, so that Delete pressed again goes on down the list.
    selectRow(std::min(row, m_model->rowCount() - 1));
}

void FXCurrencyPreferencesViewController::resetDefaults()
{
    const FXResult result = m_services.settings.restoreDefaults();
    m_model->reload();
    m_failure->setFailureReason(result.failureReason());
}

void FXCurrencyPreferencesViewController::moveSelectedCurrency(int direction)
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    m_model->moveCurrencyOneRow(selected.first().row(), direction);
}

void FXCurrencyPreferencesViewController::validateActions()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    m_remove->setEnabled(row >= 0);
    m_removeAction->setEnabled(row >= 0);
    m_moveUp->setEnabled(row > 0);
    m_moveDown->setEnabled(row >= 0 && row + 1 < m_model->rowCount());
}
