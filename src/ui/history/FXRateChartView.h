#pragma once

#include "FXRateChart.h"
#include "FXRateChartText.h"

#include <QList>
#include <QRectF>
#include <QWidget>

#include <optional>

// The painted line of a rate-history chart, with a few rates along its side and days along its
// foot, and the day the user points at (the pointer, or Left, Right, Home and End) marked. Time
// runs from the start of the chart's range to today, left to right, or right to left under a
// right-to-left language; stretches without rates stay empty. A screen reader reads the chart's
// summary as its name and the pointed day as its description.
class FXRateChartView : public QWidget {
    Q_OBJECT

public:
    // A text beside the plot and where it is drawn.
    struct Label {
        QRectF rect;
        QString text;
    };

    FXRateChartView(const FXRateChartText &text, QWidget *parent = nullptr);

    // Shows `chart`, pointing at its last day.
    void setChart(const FXRateChart &chart);
    const std::optional<FXRateChart> &chart() const { return m_chart; }
    // The point pointed at; none for an empty chart.
    std::optional<FXChartPoint> selectedPoint() const;
    void selectIndex(qsizetype index);

    // Where the line is drawn, and the labels around it, as the next paint draws them.
    QRectF plotArea() const;
    QList<Label> axisLabels() const;
    QColor lineColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectedPointChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The rates the side labels name, and the lowest and highest rate the plot's height spans.
    struct Scale {
        QList<double> ticks;
        double bottom = 0;
        double top = 1;
    };
    Scale scale() const;
    QList<Label> rateLabels(const Scale &scale, const QRectF &plot) const;
    qreal xOfDay(QDate day, const QRectF &plot) const;
    qreal yOfRate(double rate, const Scale &scale, const QRectF &plot) const;
    void selectNearest(qreal x);
    void describeSelection();

    const FXRateChartText &m_text;
    std::optional<FXRateChart> m_chart;
    qsizetype m_selected = -1;
};
