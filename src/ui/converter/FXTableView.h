#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class FXNotificationCenter;
class FXRatesCellView;
class FXRatesRowView;
class FXTableView;

// Posted by the rates table, with the table as the object, for a digit, comma, full stop or the
// delete key typed while it has the keyboard and a row is selected. User info:
// FXTableViewCharacterKey, the one character ("\x7f" for the delete key).
inline const QString FXTableViewDidReceiveInput = QStringLiteral("FXTableViewDidReceiveInput");
inline const QString FXTableViewCharacterKey = QStringLiteral("character");

// What the rates table asks of its controller: the rows, their views and heights; and what it
// tells it: the changes of the selection and the characters typed into the selected row.
class FXTableViewDelegate {
public:
    virtual ~FXTableViewDelegate() = default;

    virtual int numberOfRows(const FXTableView &table) const = 0;
    virtual int heightOfRow(const FXTableView &table, int row) const = 0;
    // The row view for `row`, taken from table.dequeueReusableRowView() or made; the table owns it.
    virtual FXRatesRowView *rowViewForRow(FXTableView &table, int row) = 0;
    // Fills `cell`, the cell of the row view given for `row`.
    virtual void willDisplayCell(FXTableView &table, FXRatesCellView &cell, int row) = 0;
    virtual void selectionDidChange(FXTableView &table) = 0;
    // A character typed into the selected row: a digit, comma or full stop, or "\x7f" for the
    // delete key. Told before FXTableViewDidReceiveInput announces it.
    virtual void didReceiveInput(FXTableView &table, const QString &character) = 0;
};

// The converter's table. Its rows are child widgets of the scroll area's viewport, so that every
// amount field on screen is a real widget that Tab reaches and screen readers read; only the rows
// on screen have views, which are reused as the table scrolls (and the row being edited keeps its
// own). Row 0 floats at the top while the others scroll under it.
//
// Rows are selected only by explicit calls, never by the table itself: a click in an amount field
// selects its row, a click on the header row selects it, any other click in the table clears the
// selection. While the table has the keyboard and a row is selected, digits, the comma, the full
// stop and the delete key, typed without Ctrl or Alt, go to the delegate and are then posted as
// FXTableViewDidReceiveInput.
class FXTableView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class RowKind { Header, Regular };

    // The height the table adds to every row, between one row's cell and the next.
    static constexpr int IntercellSpacing = 2;

    explicit FXTableView(FXNotificationCenter &center, QWidget *parent = nullptr);

    void setDelegate(FXTableViewDelegate *delegate);

    // The rows changed: every row view on screen is asked for again.
    void reloadData();
    // The rows' contents changed: the cells on screen are filled again, but the one of `exceptRow`.
    void reloadCells(int exceptRow = -1);

    int numberOfRows() const { return int(m_rowTops.size()) - 1; }
    int selectedRow() const { return m_selectedRow; }
    // Selects `row` alone; -1 deselects.
    void selectRow(int row);
    void deselectAll() { selectRow(-1); }
    // The row on which the context menu was opened; -1 when it was opened elsewhere.
    int clickedRow() const { return m_clickedRow; }

    // A view that can be reused for a row of `kind`; none when the table has none to spare.
    FXRatesRowView *dequeueReusableRowView(RowKind kind);
    // The views of `row`, if it has them now (a row off screen has none).
    FXRatesRowView *rowViewAtRow(int row) const { return m_rowViews.value(row); }
    FXRatesCellView *viewAtRow(int row) const;
    int rowForView(const QWidget *view) const;
    int rowAt(int viewportY) const;
    void scrollRowToVisible(int row);
    // The height all rows take together.
    int contentHeight() const { return m_rowTops.last(); }
    // What the rows that scroll under the first one show in `area` of the viewport, `scale` times
    // as many pixels: the backdrop of the floating first row.
    QImage imageOfRowsUnder(const QRect &area, qreal scale) const;

signals:
    // Asks for the context menu of `clickedRow()` at `globalPosition`.
    void contextMenuRequested(const QPoint &globalPosition);
    // The paste shortcut reached the table itself: the window's Paste command did not take it.
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void layoutRows();
    void updateScrollRange();
    void showRow(int row);
    void recycle(int row);
    void updateSelectionMarks();
    bool holdsFocus(const FXRatesRowView *rowView) const;
    // Gives the keyboard to the amount field of `row`, with its amount selected.
    void activateRow(int row);

    FXNotificationCenter &m_center;
    FXTableViewDelegate *m_delegate = nullptr;
    QList<int> m_rowTops{0};                     // where each row starts; one more for the end
    QHash<int, FXRatesRowView *> m_rowViews;     // the rows that have views now
    QHash<FXRatesRowView *, RowKind> m_kinds;    // every view the table owns
    QList<FXRatesRowView *> m_reusable;
    int m_selectedRow = -1;
    int m_clickedRow = -1;
    bool m_laying = false;
};
