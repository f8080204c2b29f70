#include "FXAddCurrencyViewController.h"

#include "FXCurrencyFilterModel.h"
#include "FXCurrencyListModel.h"
#include "FXCurrencyManager.h"
#include "FXCurrencyPreferencesCell.h"
#include "FXLocalizedString.h"
#include "FXPreferencesLabels.h"
#include "FXSettingsManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

FXAddCurrencyViewController::FXAddCurrencyViewController(const FXPreferencesServices &services,
                                                         QWidget *parent)
    : FXPreferencesSheet(FXLocalizedString::text("Add Currency"), parent)
    , m_services(services)
    , m_currencies(new FXCurrencyListModel(services.currencies, this))
    , m_filtered(new FXCurrencyFilterModel(services.currencies, this))
    , m_search(new QLineEdit(this))
    , m_table(new QListView(this))
{
    m_currencies->setCurrencies(services.currencies.availableAuxCurrencies());
    m_filtered->setSourceModel(m_currencies);

    auto *title = new QLabel(FXLocalizedString::text("Choose a currency to add to the converter."), this);
    title->setWordWrap(true);
    m_search->setPlaceholderText(FXLocalizedString::text("Search by code or name"));
    m_search->setAccessibleName(FXLocalizedString::text("Search Currencies"));
    setSearchedList(m_search, m_table);

    m_table->setModel(m_filtered);
    m_table->setItemDelegate(new FXCurrencyPreferencesCell(services.flags, m_table));
    m_table->setUniformItemSizes(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAccessibleName(FXLocalizedString::text("Available Currencies"));
    m_table->setMinimumSize(340, 10 * FXCurrencyPreferencesCell::RowHeight + 2);

    m_add = layOut({title, m_search}, m_table, FXLocalizedString::text("Add"));

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        // A cleared search shows every currency again.
        setFilterString(text.isEmpty() ? std::nullopt : std::optional(text));
    });
    connect(m_add, &QPushButton::clicked, this, &FXAddCurrencyViewController::addCurrency);
    connect(m_table, &QListView::doubleClicked, this, &FXAddCurrencyViewController::addCurrency);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_add->setEnabled(m_table->selectionModel()->hasSelection()); });
    keepARowSelected();
    m_search->setFocus(Qt::OtherFocusReason);
}

QStringList FXAddCurrencyViewController::currenciesToAdd() const
{
    return m_currencies->currencies();
}

void FXAddCurrencyViewController::setFilterString(const std::optional<QString> &text)
{
    m_filtered->setFilterString(text);
    keepARowSelected();
}

void FXAddCurrencyViewController::keepARowSelected()
{
    if (!m_table->selectionModel()->hasSelection() && m_filtered->rowCount() > 0)
        m_table->setCurrentIndex(m_filtered->index(0, 0));
    m_add->setEnabled(m_table->selectionModel()->hasSelection());
}

void FXAddCurrencyViewController::addCurrency()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    if (selected.size() == 1) {
        const FXResult result = m_services.settings.addCurrencyToVisible(
            selected.first().data(FXCurrencyListModel::CodeRole).toString());
        if (!result.isDone()) {
            failureLabel()->setFailureReason(result.failureReason());
            return;
        }
    }
    accept();
}
