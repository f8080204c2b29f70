#include "FXSetMainCurrencyViewController.h"

#include "FXCurrencyListModel.h"
#include "FXCurrencyManager.h"
#include "FXCurrencyPreferencesCell.h"
#include "FXLocalizedString.h"
#include "FXPreferencesLabels.h"
#include "FXSettingsManager.h"

#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QListView>
#include <QPushButton>

FXSetMainCurrencyViewController::FXSetMainCurrencyViewController(
    const FXPreferencesServices &services, QWidget *parent)
    : FXPreferencesSheet(FXLocalizedString::text("Main Currency"), parent)
    , m_services(services)
    , m_currencies(new FXCurrencyListModel(services.currencies, this))
    , m_automatic(new QCheckBox(FXLocalizedString::text("Follow the computer’s location"), this))
    , m_table(new QListView(this))
    , m_dimming(new QGraphicsOpacityEffect(m_table))
{
    auto *title = new QLabel(FXLocalizedString::text("The main currency stands at the top of the converter."), this);
    title->setWordWrap(true);
    m_automatic->setAccessibleName(FXLocalizedString::text("Follow Location"));
    auto *explanation = new FXNoteLabel(
        FXLocalizedString::text("When the computer is in another country, Cambio offers to make "
                                "that country’s currency the main one."),
        this);

    m_currencies->setCurrencies(services.currencies.allCurrencies());
    m_table->setModel(m_currencies);
    m_table->setItemDelegate(new FXCurrencyPreferencesCell(services.flags, m_table));
    m_table->setUniformItemSizes(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAccessibleName(FXLocalizedString::text("Main Currency"));
    m_table->setMinimumSize(340, 10 * FXCurrencyPreferencesCell::RowHeight + 2);
    m_table->setGraphicsEffect(m_dimming);

    m_apply = layOut({title, m_automatic, explanation}, m_table, FXLocalizedString::text("Apply"));

    connect(m_automatic, &QCheckBox::toggled, this,
            &FXSetMainCurrencyViewController::toggleAutomaticCurrency);
    connect(m_apply, &QPushButton::clicked, this, &FXSetMainCurrencyViewController::applyMainCurrency);
    connect(m_table, &QListView::doubleClicked, this,
            &FXSetMainCurrencyViewController::applyMainCurrency);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FXSetMainCurrencyViewController::validateApply);

    m_automatic->setChecked(services.settings.isLocationBasedCurrencyEnabled());
    toggleAutomaticCurrency();
    // The currency the user fixed, not the one in force: with none fixed, none is selected.
    if (const auto fixed = services.settings.defaultCurrency()) {
        const QModelIndex row = m_currencies->index(int(m_currencies->currencies().indexOf(*fixed)), 0);
        if (row.isValid()) {
            m_table->setCurrentIndex(row);
            m_table->scrollTo(row, QAbstractItemView::PositionAtCenter);
        }
    }
    validateApply();
}

qreal FXSetMainCurrencyViewController::listOpacity() const
{
    return m_dimming->opacity();
}

QString FXSetMainCurrencyViewController::selectedCurrency() const
{
    const QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : m_currencies->currencyAt(selected.first().row());
}

void FXSetMainCurrencyViewController::toggleAutomaticCurrency()
{
    const bool automatic = m_automatic->isChecked();
    m_table->setEnabled(!automatic);
    m_dimming->setOpacity(automatic ? 0.5 : 1.0);
    validateApply();
}

void FXSetMainCurrencyViewController::validateApply()
{
    m_apply->setEnabled(m_automatic->isChecked() || !selectedCurrency().isEmpty());
}

void FXSetMainCurrencyViewController::applyMainCurrency()
{
    const bool automatic = m_automatic->isChecked();
    const QString selected = selectedCurrency();
    if (!automatic && selected.isEmpty())
        return;
    const FXResult result = m_services.settings.setMainCurrency(automatic ? std::nullopt
                                                                          : std::optional(selected));
    if (!result.isDone()) {
        failureLabel()->setFailureReason(result.failureReason());
        return;
    }
    accept();
}
