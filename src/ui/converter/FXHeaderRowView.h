#pragma once

#include "FXRatesRowView.h"

// The main currency's row, at the top of the table. While rows scroll under it, it floats over them
// on a translucent backing, which gives way to the selection while the row is selected. Its
// separator spans the whole width. A click beside its amount field selects it.
class FXHeaderRowView : public FXRatesRowView {
    Q_OBJECT

public:
    explicit FXHeaderRowView(FXRatesCellView *cell, QWidget *parent = nullptr);

    bool isFloating() const { return m_floating; }
    void setFloating(bool floating);
    // Whether the translucent backing is shown: floating and not selected.
    bool showsBacking() const { return m_floating && !isSelected(); }

protected:
    void drawBackground(QPainter &painter) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_floating = false;
};
