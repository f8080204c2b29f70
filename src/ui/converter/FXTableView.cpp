#include "FXTableView.h"

#include "FXHeaderRowView.h"
#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXRatesCellView.h"
#include "FXTableTextField.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// Digits, comma, full stop and the delete character: what typing into the table can add or remove.
const QString AcceptedCharacters = QStringLiteral("0123456789,.\x7f");

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}

FXTableView::FXTableView(FXNotificationCenter &center, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_center(center)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(FXLocalizedString::text("Currencies"));
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    // A slim scroll bar: the table is narrow, and most of the time it does not scroll.
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 9px; margin: 2px 2px 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 80); border-radius: 3px;"
        " min-height: 24px; }"
        "QScrollBar::handle:vertical:hover { background: rgba(0, 0, 0, 120); }"
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }"));
}

void FXTableView::setDelegate(FXTableViewDelegate *delegate)
{
    m_delegate = delegate;
    reloadData();
}

void FXTableView::reloadData()
{
    // The field being edited may be about to show another currency: the edit ends first.
    if (QWidget *focus = QApplication::focusWidget(); focus && viewport()->isAncestorOf(focus))
        setFocus(Qt::OtherFocusReason);
    for (const int row : m_rowViews.keys())
        recycle(row);
    m_rowTops = {0};
    const int rows = m_delegate ? m_delegate->numberOfRows(*this) : 0;
    for (int row = 0; row < rows; ++row)
        m_rowTops.append(m_rowTops.last() + m_delegate->heightOfRow(*this, row) + IntercellSpacing);
    updateScrollRange();
    layoutRows();
    if (m_selectedRow >= rows)
        deselectAll();
}

void FXTableView::reloadCells(int exceptRow)
{
    for (auto it = m_rowViews.cbegin(); it != m_rowViews.cend(); ++it) {
        if (it.key() != exceptRow)
            m_delegate->willDisplayCell(*this, *it.value()->cellView(), it.key());
    }
}

void FXTableView::selectRow(int row)
{
    if (row < -1 || row >= numberOfRows())
        row = -1;
    if (row == m_selectedRow)
        return;
    m_selectedRow = row;
    updateSelectionMarks();
    if (m_delegate)
        m_delegate->selectionDidChange(*this);
}

FXRatesRowView *FXTableView::dequeueReusableRowView(RowKind kind)
{
    for (qsizetype i = 0; i < m_reusable.size(); ++i) {
        if (m_kinds.value(m_reusable[i]) == kind)
            return m_reusable.takeAt(i);
    }
    return nullptr;
}

FXRatesCellView *FXTableView::viewAtRow(int row) const
{
    const FXRatesRowView *rowView = m_rowViews.value(row);
    return rowView ? rowView->cellView() : nullptr;
}

int FXTableView::rowForView(const QWidget *view) const
{
    for (auto it = m_rowViews.cbegin(); it != m_rowViews.cend(); ++it) {
        if (it.value() == view || it.value()->isAncestorOf(view))
            return it.key();
    }
    return -1;
}

int FXTableView::rowAt(int viewportY) const
{
    if (viewportY < 0 || numberOfRows() == 0)
        return -1;
    // The first row floats at the top.
    if (viewportY < m_rowTops[1])
        return 0;
    const int y = viewportY + verticalScrollBar()->value();
    const auto next = std::upper_bound(m_rowTops.cbegin(), m_rowTops.cend(), y);
    const int row = int(next - m_rowTops.cbegin()) - 1;
    return row < numberOfRows() ? row : -1;
}

void FXTableView::scrollRowToVisible(int row)
{
    if (row <= 0 || row >= numberOfRows())
        return;
    QScrollBar *bar = verticalScrollBar();
    // Below the floating first row.
    const int top = m_rowTops[row] - m_rowTops[1];
    const int bottom = m_rowTops[row + 1] - viewport()->height();
    if (bar->value() > top)
        bar->setValue(top);
    else if (bar->value() < bottom)
        bar->setValue(bottom);
}

QImage FXTableView::imageOfRowsUnder(const QRect &area, qreal scale) const
{
    QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(viewport()->palette().color(QPalette::Base));
    for (auto it = m_rowViews.cbegin(); it != m_rowViews.cend(); ++it) {
        FXRatesRowView *rowView = it.value();
        const QRect overlap = rowView->geometry() & area;
        if (it.key() == 0 || overlap.isEmpty())
            continue;
        rowView->render(&image, overlap.topLeft() - area.topLeft(),
                        QRegion(overlap.translated(-rowView->pos())), QWidget::DrawChildren);
    }
    return image;
}

void FXTableView::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    const int visible = viewport()->height();
    bar->setRange(0, qMax(0, contentHeight() - visible));
    bar->setPageStep(visible);
    bar->setSingleStep(numberOfRows() > 1 ? m_rowTops[2] - m_rowTops[1] : 20);
}

void FXTableView::layoutRows()
{
    if (!m_delegate || m_laying)
        return;
    m_laying = true;
    const int rows = numberOfRows();
    const int scroll = verticalScrollBar()->value();
    const int width = viewport()->width();
    const int height = viewport()->height();

    // The first row, and every other row that reaches into the viewport, also under the first.
    QList<int> onScreen;
    if (rows > 0)
        onScreen.append(0);
    const auto firstTop = std::upper_bound(m_rowTops.cbegin(), m_rowTops.cend(), scroll);
    for (int row = qMax(1, int(firstTop - m_rowTops.cbegin()) - 1);
         row < rows && m_rowTops[row] - scroll < height; ++row) {
        onScreen.append(row);
    }
    bool changed = false;
    for (const int row : m_rowViews.keys()) {
        if (!onScreen.contains(row) && !holdsFocus(m_rowViews.value(row))) {
            recycle(row);
            changed = true;
        }
    }
    for (const int row : std::as_const(onScreen)) {
        if (!m_rowViews.contains(row)) {
            showRow(row);
            changed = true;
        }
    }
    for (auto it = m_rowViews.cbegin(); it != m_rowViews.cend(); ++it) {
        const int row = it.key();
        const int top = row == 0 ? 0 : m_rowTops[row] - scroll;
        it.value()->setGeometry(0, top, width, m_rowTops[row + 1] - m_rowTops[row]);
    }
    if (auto *header = qobject_cast<FXHeaderRowView *>(m_rowViews.value(0)))
        header->setFloating(scroll > 0);
    if (changed) {
        // Stacked in the order of the rows, which is also the order screen readers read them in;
        // the floating first row goes over them all.
        QList<int> shown = m_rowViews.keys();
        std::sort(shown.begin(), shown.end());
        for (const int row : std::as_const(shown)) {
            if (row > 0)
                m_rowViews.value(row)->raise();
        }
        if (FXRatesRowView *header = m_rowViews.value(0))
            header->raise();
        updateSelectionMarks();
    }
    m_laying = false;
}

void FXTableView::showRow(int row)
{
    FXRatesRowView *rowView = m_delegate->rowViewForRow(*this, row);
    if (!m_kinds.contains(rowView)) {
        m_kinds.insert(rowView, qobject_cast<FXHeaderRowView *>(rowView) ? RowKind::Header
                                                                         : RowKind::Regular);
        rowView->setParent(viewport());
        // A click in an amount field selects its row before the field takes the keyboard.
        connect(rowView->cellView()->inputTextField(), &FXTableTextField::didBeginEditing, this,
                [this, rowView] { selectRow(rowForView(rowView)); });
    }
    m_rowViews.insert(row, rowView);
    m_delegate->willDisplayCell(*this, *rowView->cellView(), row);
    rowView->show();
}

void FXTableView::recycle(int row)
{
    FXRatesRowView *rowView = m_rowViews.take(row);
    rowView->hide();
    rowView->setSelected(false);
    rowView->setNextRowSelected(false);
    m_reusable.append(rowView);
}

void FXTableView::updateSelectionMarks()
{
    for (auto it = m_rowViews.cbegin(); it != m_rowViews.cend(); ++it) {
        it.value()->setSelected(it.key() == m_selectedRow);
        it.value()->setNextRowSelected(m_selectedRow >= 0 && it.key() + 1 == m_selectedRow);
    }
}

bool FXTableView::holdsFocus(const FXRatesRowView *rowView) const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && rowView->isAncestorOf(focus);
}

void FXTableView::activateRow(int row)
{
    scrollRowToVisible(row);
    layoutRows();
    if (FXRatesCellView *cell = viewAtRow(row)) {
        cell->activateWithCharacterOffset(0);
        // Entering the rows from elsewhere, the amount is selected: what is typed replaces it.
        cell->inputTextField()->selectAll();
    }
}

void FXTableView::keyPressEvent(QKeyEvent *event)
{
    // Shift+F10 opens the context menu from the keyboard, as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&fromKeyboard);
        event->accept();
        return;
    }
    // As in any list, Up and Down move the selection, and select the last or first row when
    // nothing is selected; Home and End select the first and the last row.
    const int key = event->key();
    if ((key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home || key == Qt::Key_End)
        && numberOfRows() > 0 && !(event->modifiers() & ~Qt::KeypadModifier)) {
        const int last = numberOfRows() - 1;
        int row = key == Qt::Key_Home || (key == Qt::Key_Down && m_selectedRow < 0) ? 0 : last;
        if (m_selectedRow >= 0 && (key == Qt::Key_Down || key == Qt::Key_Up))
            row = qBound(0, m_selectedRow + (key == Qt::Key_Down ? 1 : -1), last);
        selectRow(row);
        scrollRowToVisible(row);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    if (m_selectedRow < 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // The text with the modifiers applied tells what was typed (Shift gives the digits of a
    // French keyboard); with Ctrl or Alt held a key is a command, never part of an amount, even
    // where the text it gives is a digit or the delete character (Ctrl+8).
    const bool typed = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    QChar character;
    if (typed && event->key() == Qt::Key_Backspace)
        character = QChar(0x7f);
    else if (typed && !event->text().isEmpty() && AcceptedCharacters.contains(event->text().front()))
        character = event->text().front();
    if (!character.isNull()) {
        if (m_delegate)
            m_delegate->didReceiveInput(*this, character);
        m_center.postNotification(FXTableViewDidReceiveInput, this,
                                  {{FXTableViewCharacterKey, QString(character)}});
    } else if (isNavigationKey(event->key())) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // Any other key is ignored without a sound.
    event->accept();
}

void FXTableView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    // Tab leads into the first row's amount field, Backtab into the last one's.
    if (event->reason() == Qt::TabFocusReason && numberOfRows() > 0)
        activateRow(0);
    else if (event->reason() == Qt::BacktabFocusReason && numberOfRows() > 0)
        activateRow(numberOfRows() - 1);
}

bool FXTableView::focusNextPrevChild(bool next)
{
    // With the keyboard on the table itself, Tab goes into the selected row's field.
    if (hasFocus() && next && numberOfRows() > 0) {
        activateRow(qMax(0, m_selectedRow));
        return true;
    }
    // Leaving the table from one of its fields: to the widget before or after the table in the
    // window's tab order, past the fields of its rows.
    QWidget *candidate = this;
    while ((candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain())
           != this) {
        if (isAncestorOf(candidate) || candidate->window() != window())
            continue;
        if ((candidate->focusPolicy() & Qt::TabFocus) && candidate->isEnabled()
            && candidate->isVisible()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void FXTableView::scrollContentsBy(int, int)
{
    layoutRows();
}

bool FXTableView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize: {
        const bool handled = QAbstractScrollArea::viewportEvent(event);
        updateScrollRange();
        layoutRows();
        return handled;
    }
    case QEvent::MouseButtonPress:
        // A click below the last row.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            deselectAll();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void FXTableView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint position = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        m_clickedRow = rowAt(event->pos().y());
    } else {
        // From the keyboard: the menu of the selected row, at the row.
        m_clickedRow = -1;
        const FXRatesRowView *rowView = m_rowViews.value(m_selectedRow);
        const QPoint anchor = rowView ? rowView->geometry().center() : viewport()->rect().center();
        position = viewport()->mapToGlobal(anchor);
    }
    emit contextMenuRequested(position);
    m_clickedRow = -1;
    event->accept();
}
