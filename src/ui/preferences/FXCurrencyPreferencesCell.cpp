#include "FXCurrencyPreferencesCell.h"

#include "FXCurrencyListModel.h"
#include "FXFlagCache.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace {

constexpr int FlagSize = 20;
constexpr int Margin = 8;
constexpr int Spacing = 8;
constexpr int CodeWidth = 40;

}

FXCurrencyPreferencesCell::FXCurrencyPreferencesCell(FXFlagCache &flags, QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_flags(flags)
    , m_view(view)
{
    connect(&m_flags, &FXFlagCache::flagsRendered, this, [this] { m_view->viewport()->update(); });
}

void FXCurrencyPreferencesCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active)  ? QPalette::Active
                                                                                : QPalette::Inactive;
    const QColor codeColour = option.palette.color(
        group, selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor nameColour = selected ? codeColour
                                       : option.palette.color(group, QPalette::PlaceholderText);

    QRect area = option.rect.adjusted(Margin, 0, -Margin, 0);
    const QString code = index.data(FXCurrencyListModel::CodeRole).toString();
    const QPixmap flag = m_flags.flag(code, FlagSize, painter->device()->devicePixelRatioF());
    const QRect flagRect(area.left(), area.top() + (area.height() - FlagSize) / 2, FlagSize, FlagSize);
    if (!flag.isNull())
        painter->drawPixmap(flagRect, flag);
    area.setLeft(flagRect.right() + 1 + Spacing);

    painter->save();
    QFont codeFont = option.font;
    codeFont.setWeight(QFont::DemiBold);
    painter->setFont(codeFont);
    painter->setPen(codeColour);
    const QRect codeRect(area.left(), area.top(), CodeWidth, area.height());
    painter->drawText(codeRect, Qt::AlignLeft | Qt::AlignVCenter, code);
    area.setLeft(codeRect.right() + 1 + Spacing);

    painter->setFont(option.font);
    painter->setPen(nameColour);
    const QString name = option.fontMetrics.elidedText(
        index.data(FXCurrencyListModel::NameRole).toString(), Qt::ElideRight, area.width());
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->restore();
}

QSize FXCurrencyPreferencesCell::sizeHint(const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    const QString name = index.data(FXCurrencyListModel::NameRole).toString();
    const int width = Margin + FlagSize + Spacing + CodeWidth + Spacing
                      + option.fontMetrics.horizontalAdvance(name) + Margin;
    return QSize(width, RowHeight);
}
