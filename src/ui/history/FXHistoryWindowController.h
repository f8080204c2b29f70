#pragma once

#include "FXRateChart.h"
#include "FXRateChartText.h"

#include <QWidget>

#include <functional>
#include <memory>

class FXLocale;
class FXNotificationCenter;
class FXRateChartView;
class FXRateHistory;
class QAbstractButton;
class QLabel;

// The rate-history window: how one currency moved against another over a range, as a chart with
// the range's buttons above it, and below it the day pointed at, the low, the high, the change
// and what the window is doing or missing ("Downloading…", why a download failed, stretches
// without rates). It shows what is kept at once and asks the rates server for the shown range each
// time the currency or the range changes, showing the answer when it comes. Escape and Ctrl+W
// close it.
//
// The converter makes one and points it at the selected row; it outlives no one.
class FXHistoryWindowController : public QWidget {
    Q_OBJECT

public:
    using Today = std::function<QDate()>;

    FXHistoryWindowController(FXRateHistory &history, const FXLocale &locale,
                              FXNotificationCenter &center, Today today,
                              QWidget *parent = nullptr);
    ~FXHistoryWindowController() override;

    // Shows `currency` against `against` over the range in force; nothing changes for the pair
    // already shown.
    void showCurrency(const QString &currency, const QString &against);
    QString currency() const { return m_currency; }
    QString against() const { return m_against; }

    FXChartRange range() const { return m_range; }
    void setRange(FXChartRange range);

    FXRateChartView *chartView() const { return m_chart; }
    QAbstractButton *rangeButton(FXChartRange range) const;
    QLabel *pointLabel() const { return m_point; }
    QLabel *lowLabel() const { return m_low; }
    QLabel *highLabel() const { return m_high; }
    QLabel *changeLabel() const { return m_change; }
    // "Downloading…", a failure, what is missing.
    QLabel *statusLabel() const { return m_status; }
    bool isDownloading() const { return m_download != nullptr; }

private:
    // Reads what is kept and shows it.
    void reload();
    // Asks the rates server for the shown range, ending any download of another one.
    void download();
    void showStatus();
    void retranslate();

    FXRateHistory &m_history;
    Today m_today;
    FXRateChartText m_text;
    QString m_currency;
    QString m_against;
    FXChartRange m_range = FXChartRange::OneYear;
    // Alive while a download runs; deleting it ends the download.
    std::unique_ptr<QObject> m_download;
    QString m_failure;   // why the last download failed; empty when it went well

    QLabel *m_title;
    QList<QAbstractButton *> m_ranges;   // by range
    FXRateChartView *m_chart;
    QLabel *m_point;
    QLabel *m_low;
    QLabel *m_high;
    QLabel *m_change;
    QLabel *m_status;
};
