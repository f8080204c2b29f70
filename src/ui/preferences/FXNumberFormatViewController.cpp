#include "FXNumberFormatViewController.h"

#include "FXCurrencyPreferencesCell.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNumberFormatsModel.h"
#include "FXPreferencesLabels.h"
#include "FXSettingsManager.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// Rows as high as those of the other sheets' lists.
class SheetRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(size.height(), FXCurrencyPreferencesCell::RowHeight));
        return size;
    }
};

}

FXNumberFormatViewController::FXNumberFormatViewController(const FXPreferencesServices &services,
                                                           QWidget *parent)
    : FXPreferencesSheet(FXLocalizedString::text("Number Format"), parent)
    , m_services(services)
    , m_formats(new FXNumberFormatsModel(this))
    , m_filtered(new QSortFilterProxyModel(this))
    , m_search(new QLineEdit(this))
    , m_table(new QTreeView(this))
{
    auto *title = new QLabel(FXLocalizedString::text("Choose how amounts are written."), this);
    m_search->setPlaceholderText(FXLocalizedString::text("Search by language or region"));
    m_search->setAccessibleName(FXLocalizedString::text("Search Number Formats"));
    setSearchedList(m_search, m_table);

    m_filtered->setSourceModel(m_formats);
    m_filtered->setFilterRole(FXNumberFormatsModel::SearchTextRole);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table->setModel(m_filtered);
    m_table->setAccessibleName(FXLocalizedString::text("Number Formats"));
    m_table->setHeaderHidden(true);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setItemDelegate(new SheetRowDelegate(m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->header()->setStretchLastSection(false);
    m_table->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->setMinimumSize(400, 320);

    m_choose = layOut({title, m_search}, m_table, FXLocalizedString::text("Choose"));

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filtered->setFilterFixedString(text);
        keepARowSelected();
    });
    connect(m_choose, &QPushButton::clicked, this, &FXNumberFormatViewController::chooseNumberFormat);
    connect(m_table, &QTreeView::doubleClicked, this, &FXNumberFormatViewController::chooseNumberFormat);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_choose->setEnabled(m_table->selectionModel()->hasSelection()); });

    const QModelIndex current =
        m_filtered->mapFromSource(m_formats->index(m_formats->rowForIdentifier(services.settings.numberFormatLocale()), 0));
    m_table->setCurrentIndex(current);
    m_table->scrollTo(current, QAbstractItemView::PositionAtCenter);
    keepARowSelected();
    m_search->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> FXNumberFormatViewController::selectedIdentifier() const
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    const QVariant identifier = selected.first().data(FXNumberFormatsModel::IdentifierRole);
    return identifier.isValid() ? std::optional(identifier.toString()) : std::nullopt;
}

void FXNumberFormatViewController::keepARowSelected()
{
    if (!m_table->selectionModel()->hasSelection() && m_filtered->rowCount() > 0)
        m_table->setCurrentIndex(m_filtered->index(0, 0));
    m_choose->setEnabled(m_table->selectionModel()->hasSelection());
}

void FXNumberFormatViewController::chooseNumberFormat()
{
    if (!m_table->selectionModel()->hasSelection())
        return;
    const std::optional<QString> chosen = selectedIdentifier();
    const FXResult result = m_services.settings.setNumberFormatLocale(chosen);
    if (!result.isDone()) {
        failureLabel()->setFailureReason(result.failureReason());
        return;
    }
    m_services.locale.setIdentifier(chosen.value_or(FXLocale::identifierFromEnvironment()));
    accept();
}
