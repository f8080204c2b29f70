#include "FXRateChartView.h"

#include "FXLocalizedString.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal Padding = 6;
// The line keeps clear of the plot's sides, so that the mark of the first or last day fits.
constexpr qreal Inset = 6;
constexpr qreal MarkRadius = 4;
// Part of the rates' span left free above the highest rate and below the lowest.
constexpr double Headroom = 0.08;
constexpr int DayLabels = 4;

// 1, 2 or 5 times a power of ten, the first at least `step`: steps a reader counts in.
double roundStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= step)
            return factor * power;
    }
    return 10 * power;
}

}

FXRateChartView::FXRateChartView(const FXRateChartText &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize FXRateChartView::sizeHint() const
{
    return {560, 280};
}

QSize FXRateChartView::minimumSizeHint() const
{
    return {320, 180};
}

void FXRateChartView::setChart(const FXRateChart &chart)
{
    m_chart = chart;
    m_selected = chart.points().size() - 1;
    setAccessibleName(m_text.summary(chart));
    describeSelection();
}

std::optional<FXChartPoint> FXRateChartView::selectedPoint() const
{
    if (!m_chart || m_selected < 0 || m_selected >= m_chart->points().size())
        return std::nullopt;
    return m_chart->points()[m_selected];
}

void FXRateChartView::selectIndex(qsizetype index)
{
    if (!m_chart || m_chart->isEmpty())
        return;
    index = std::clamp<qsizetype>(index, 0, m_chart->points().size() - 1);
    if (index == m_selected)
        return;
    m_selected = index;
    describeSelection();
}

void FXRateChartView::describeSelection()
{
    const auto point = selectedPoint();
    setAccessibleDescription(point ? m_text.point(*point) : QString());
    update();
    emit selectedPointChanged();
}

// Geometry.

FXRateChartView::Scale FXRateChartView::scale() const
{
    Scale scale;
    if (!m_chart || m_chart->isEmpty())
        return scale;
    const double low = m_chart->low()->rate;
    const double high = m_chart->high()->rate;
    // A flat line still gets a height to lie in the middle of.
    const double span = high > low ? high - low : std::max(std::abs(high) * 0.02, 1e-9);
    const double step = roundStep(span / 3);
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        scale.ticks.append(tick);
    const double middle = (low + high) / 2;
    const double half = (high > low ? span / 2 : span) * (1 + 2 * Headroom);
    scale.bottom = middle - half;
    scale.top = middle + half;
    return scale;
}

QList<FXRateChartView::Label> FXRateChartView::rateLabels(const Scale &scale, const QRectF &plot) const
{
    const QFontMetricsF metrics(font());
    QList<Label> labels;
    for (const double tick : scale.ticks) {
        const QString text = m_text.rate(tick);
        const qreal width = metrics.horizontalAdvance(text) + 1;
        const qreal x = isRightToLeft() ? plot.right() + Padding : plot.left() - Padding - width;
        labels.append({QRectF(x, yOfRate(tick, scale, plot) - metrics.height() / 2, width,
                              metrics.height()),
                       text});
    }
    return labels;
}

QRectF FXRateChartView::plotArea() const
{
    const QFontMetricsF metrics(font());
    qreal side = 0;
    for (const double tick : scale().ticks)
        side = std::max(side, metrics.horizontalAdvance(m_text.rate(tick)) + 1);
    const QRectF all = QRectF(rect()).adjusted(Padding, metrics.height() / 2 + Padding, -Padding,
                                               -(metrics.height() + 2 * Padding));
    return isRightToLeft() ? all.adjusted(0, 0, -(side + Padding), 0)
                           : all.adjusted(side + Padding, 0, 0, 0);
}

qreal FXRateChartView::xOfDay(QDate day, const QRectF &plot) const
{
    const qint64 days = std::max<qint64>(1, m_chart->from().daysTo(m_chart->to()));
    const qreal share = qreal(m_chart->from().daysTo(day)) / qreal(days);
    const qreal width = plot.width() - 2 * Inset;
    return isRightToLeft() ? plot.right() - Inset - share * width : plot.left() + Inset + share * width;
}

qreal FXRateChartView::yOfRate(double rate, const Scale &scale, const QRectF &plot) const
{
    return plot.bottom() - (rate - scale.bottom) / (scale.top - scale.bottom) * plot.height();
}

QList<FXRateChartView::Label> FXRateChartView::axisLabels() const
{
    if (!m_chart)
        return {};
    const QRectF plot = plotArea();
    const Scale rates = scale();
    QList<Label> labels = rateLabels(rates, plot);
    // Days at even steps from the range's first to today: the first and the last flush with the
    // plot's ends, those between centred on their day where they do not crowd a neighbour.
    const QFontMetricsF metrics(font());
    const qint64 span = m_chart->from().daysTo(m_chart->to());
    QList<Label> days;
    for (int step = 0; step < DayLabels; ++step) {
        const QDate day = m_chart->from().addDays(span * step / (DayLabels - 1));
        const QString text = m_text.axisLabel(day, m_chart->range());
        const qreal width = metrics.horizontalAdvance(text) + 1;
        const bool atStart = step == 0;
        const bool atEnd = step == DayLabels - 1;
        qreal x = xOfDay(day, plot) - width / 2;
        if ((atStart && !isRightToLeft()) || (atEnd && isRightToLeft()))
            x = plot.left();
        else if ((atEnd && !isRightToLeft()) || (atStart && isRightToLeft()))
            x = plot.right() - width;
        days.append({QRectF(x, plot.bottom() + Padding, width, metrics.height()), text});
    }
    const Label last = days.takeLast();
    QList<Label> shown{days.takeFirst()};
    for (const Label &between : days) {
        const QRectF room = between.rect.adjusted(-Padding, 0, Padding, 0);
        if (!room.intersects(shown.last().rect) && !room.intersects(last.rect))
            shown.append(between);
    }
    if (!last.rect.intersects(shown.first().rect))
        shown.append(last);
    return labels + shown;
}

QColor FXRateChartView::lineColor() const
{
    return palette().color(QPalette::Highlight);
}

// Painting.

void FXRateChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!m_chart)
        return;
    const QRectF plot = plotArea();
    const Scale rates = scale();

    QColor grid = palette().color(QPalette::Text);
    grid.setAlphaF(0.12);
    painter.setPen(QPen(grid, 1));
    for (const double tick : rates.ticks) {
        const qreal y = std::round(yOfRate(tick, rates, plot)) + 0.5;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    grid.setAlphaF(0.4);
    painter.setPen(QPen(grid, 1));
    painter.drawLine(QPointF(plot.left(), plot.bottom() + 0.5), QPointF(plot.right(), plot.bottom() + 0.5));

    painter.setPen(palette().color(QPalette::Text));
    for (const Label &label : axisLabels())
        painter.drawText(label.rect, Qt::AlignCenter, label.text);

    if (m_chart->isEmpty()) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         FXLocalizedString::text("No rates are kept for this range."));
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(plot);
        // A stretch without rates longer than a week breaks the line rather than bridging it.
        const QList<FXChartPoint> &points = m_chart->points();
        const auto joinsThePrevious = [&points](qsizetype i) {
            return i > 0 && i < points.size()
                   && points[i - 1].day.daysTo(points[i].day) - 1 <= FXRateChart::LongestQuietStretch;
        };
        QList<QLineF> segments;
        QPolygonF dots;   // days alone between two such stretches
        QPointF previous;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF at(xOfDay(points[i].day, plot), yOfRate(points[i].rate, rates, plot));
            if (joinsThePrevious(i))
                segments.append(QLineF(previous, at));
            else if (!joinsThePrevious(i + 1))
                dots.append(at);
            previous = at;
        }
        // Each day joined to the next by a line of its own: QtGui draws square-capped lines several
        // times faster than it strokes the joins of a polyline, and at this width they look alike.
        painter.setPen(QPen(lineColor(), 2, Qt::SolidLine, Qt::SquareCap));
        painter.drawLines(segments);
        painter.setPen(QPen(lineColor(), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoints(dots);

        if (const auto point = selectedPoint()) {
            const QPointF at(xOfDay(point->day, plot), yOfRate(point->rate, rates, plot));
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
            painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
            painter.setPen(Qt::NoPen);
            painter.setBrush(lineColor());
            painter.drawEllipse(at, MarkRadius, MarkRadius);
        }
        painter.setClipping(false);
    }

    if (hasFocus()) {
        QStylePainter focus(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = plot.toAlignedRect();
        focus.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

// Pointing at a day.

void FXRateChartView::keyPressEvent(QKeyEvent *event)
{
    if (!m_chart || m_chart->isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Left and Right move as the line runs on screen: toward the past on the left, unless mirrored.
    const qsizetype towardLeft = isRightToLeft() ? 1 : -1;
    switch (event->key()) {
    case Qt::Key_Left:
        selectIndex(m_selected + towardLeft);
        break;
    case Qt::Key_Right:
        selectIndex(m_selected - towardLeft);
        break;
    case Qt::Key_Home:
        selectIndex(0);
        break;
    case Qt::Key_End:
        selectIndex(m_chart->points().size() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FXRateChartView::mouseMoveEvent(QMouseEvent *event)
{
    selectNearest(event->position().x());
}

void FXRateChartView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    selectNearest(event->position().x());
}

void FXRateChartView::selectNearest(qreal x)
{
    if (!m_chart || m_chart->isEmpty())
        return;
    const QList<FXChartPoint> &points = m_chart->points();
    const QRectF plot = plotArea();
    const auto distance = [&](const FXChartPoint &point) { return std::abs(xOfDay(point.day, plot) - x); };
    const auto nearest = std::min_element(points.cbegin(), points.cend(),
                                          [&](const FXChartPoint &a, const FXChartPoint &b) {
                                              return distance(a) < distance(b);
                                          });
    selectIndex(nearest - points.cbegin());
}

void FXRateChartView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}
