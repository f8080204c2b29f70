#include "FXHistoryWindowController.h"

#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXRateChartView.h"
#include "FXRateHistory.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QList<FXChartRange> Ranges{FXChartRange::OneMonth, FXChartRange::ThreeMonths,
                                 FXChartRange::OneYear, FXChartRange::FiveYears, FXChartRange::All};

QString rangeTitle(FXChartRange range)
{
    switch (range) {
    case FXChartRange::OneMonth:
        return FXLocalizedString::text("1 &Month");
    case FXChartRange::ThreeMonths:
        return FXLocalizedString::text("&3 Months");
    case FXChartRange::OneYear:
        return FXLocalizedString::text("1 &Year");
    case FXChartRange::FiveYears:
        return FXLocalizedString::text("&5 Years");
    case FXChartRange::All:
        break;
    }
    return FXLocalizedString::text("&All");
}

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}

FXHistoryWindowController::FXHistoryWindowController(FXRateHistory &history, const FXLocale &locale,
                                                     FXNotificationCenter &center, Today today,
                                                     QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
    , m_today(std::move(today))
    , m_text(locale)
    , m_title(makeLabel(this))
    , m_chart(new FXRateChartView(m_text, this))
    , m_point(makeLabel(this))
    , m_low(makeLabel(this))
    , m_high(makeLabel(this))
    , m_change(makeLabel(this))
    , m_status(makeLabel(this))
{
    setObjectName(QStringLiteral("History"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);
    m_status->setWordWrap(true);

    // Checked by setRange rather than by a button group, which would leave all but one button out
    // of the Tab chain.
    auto *ranges = new QHBoxLayout;
    for (const FXChartRange range : Ranges) {
        auto *button = new QPushButton(this);
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, range] { setRange(range); });
        ranges->addWidget(button);
        m_ranges.append(button);
    }
    ranges->addStretch();

    auto *figures = new QHBoxLayout;
    figures->addWidget(m_low);
    figures->addWidget(m_high);
    figures->addWidget(m_change);
    figures->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(ranges);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_point);
    layout->addLayout(figures);
    layout->addWidget(m_status);
    setTabOrder(m_ranges.constLast(), m_chart);

    auto *close = new QAction(this);
    // Ctrl+W by name, as QKeySequence::Close is Ctrl+F4 on some desktops.
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(m_chart, &FXRateChartView::selectedPointChanged, this, [this] {
        const auto point = m_chart->selectedPoint();
        m_point->setText(point ? m_text.point(*point) : QString());
    });
    center.addObserver(this, FXCurrentLocaleDidChangeNotification,
                       [this](const FXNotification &) { reload(); }, &locale);
    retranslate();
    setRange(m_range);
}

FXHistoryWindowController::~FXHistoryWindowController() = default;

void FXHistoryWindowController::retranslate()
{
    for (const FXChartRange range : Ranges)
        m_ranges[int(range)]->setText(rangeTitle(range));
}

QAbstractButton *FXHistoryWindowController::rangeButton(FXChartRange range) const
{
    return m_ranges[int(range)];
}

void FXHistoryWindowController::showCurrency(const QString &currency, const QString &against)
{
    if (currency == m_currency && against == m_against)
        return;
    m_currency = currency;
    m_against = against;
    reload();
    download();
}

void FXHistoryWindowController::setRange(FXChartRange range)
{
    for (const FXChartRange shown : Ranges)
        m_ranges[int(shown)]->setChecked(shown == range);
    if (range == m_range)
        return;
    m_range = range;
    reload();
    download();
}

void FXHistoryWindowController::reload()
{
    if (m_currency.isEmpty())
        return;
    const QDate today = m_today();
    const QDate from = FXRateChart::firstDay(m_range, today);
    const QMap<QString, FXRateSeries> kept = m_history.series({m_currency, m_against}, from, today);
    const FXRateChart chart(m_currency, m_against, m_range, today, kept.value(m_currency),
                            kept.value(m_against));
    const QString title = m_text.title(chart);
    m_title->setText(title);
    setWindowTitle(title);
    m_chart->setChart(chart);
    m_low->setText(m_text.low(chart));
    m_high->setText(m_text.high(chart));
    m_change->setText(chart.isEmpty() ? QString() : m_text.change(chart));
    showStatus();
}

void FXHistoryWindowController::download()
{
    m_download = std::make_unique<QObject>();
    m_failure.clear();
    const QDate today = m_today();
    m_history.download({m_currency, m_against}, FXRateChart::firstDay(m_range, today), today,
                       m_download.get(), [this](const QString &failureReason) {
                           // Ended from within the download's own call: the context goes later.
                           m_download.release()->deleteLater();
                           m_failure = failureReason;
                           reload();
                       });
    showStatus();
}

void FXHistoryWindowController::showStatus()
{
    QStringList lines;
    if (m_download)
        lines.append(FXLocalizedString::text("Downloading…"));
    else if (!m_failure.isEmpty())
        lines.append(FXLocalizedString::format(
            "The download failed: %@. Shown are the rates kept on this computer.", m_failure));
    if (const auto &chart = m_chart->chart())
        lines.append(m_text.missing(*chart));
    lines.removeAll(QString());
    m_status->setText(lines.join(u'\n'));
    m_status->setVisible(!lines.isEmpty());
}
