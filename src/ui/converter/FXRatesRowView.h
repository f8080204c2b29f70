#pragma once

#include <QWidget>

class FXRatesCellView;
class FXTableView;

// A row of the converter's table around its cell: a thin separator along its bottom that starts
// at the flag, and the selection, a light green band with darker edges (light grey while the
// window is not active). The row is its cell's height plus the table's spacing between rows.
class FXRatesRowView : public QWidget {
    Q_OBJECT

public:
    // Takes `cell` as its child.
    explicit FXRatesRowView(FXRatesCellView *cell, QWidget *parent = nullptr);

    FXRatesCellView *cellView() const { return m_cell; }

    void setDrawSeparator(bool drawSeparator);
    bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected);
    bool isNextRowSelected() const { return m_nextRowSelected; }
    void setNextRowSelected(bool nextRowSelected);

    // How far the separator starts from the row's leading edge: where the flag starts.
    qreal calculatedSeparatorInsetLeft() const;

    static const QColor &separatorColor();

protected:
    FXTableView *enclosingTableView() const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

    virtual void drawBackground(QPainter &painter);
    void drawSelection(QPainter &painter);
    // A line of `height` points that covers at least one device pixel.
    qreal hairline(qreal height) const;

private:
    FXRatesCellView *m_cell;
    bool m_drawSeparator = false;
    bool m_selected = false;
    bool m_nextRowSelected = false;
};
