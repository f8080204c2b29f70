#pragma once

#include "FXPlausibility.h"
#include "FXRateMap.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class FXAlarm;
class FXClock;
class FXFetcher;

// Writes one line of the server's log: "ecb: HTTP 503".
using FXLogger = std::function<void(const QString &line)>;

// What the server knows of one live source.
struct FXSourceState {
    FXRateMap rates;            // the rates in force of its last good answer
    FXHeldRates held;           // what that answer gave but is held back
    QDateTime dataDate;         // what its last good answer's data stands for
    QDateTime lastSuccess;      // when that answer came
    QDateTime lastFailure;
    QString lastError;
    QDateTime nextFetch;        // invalid while a fetch is under way or when none is planned
    int consecutiveFailures = 0;
};

// One live source of rates (the central bank, the currency API): fetches its answer at start and
// then on its schedule, trying its addresses in turn, and keeps what its last good answer put in
// force. A failed, stalled or unreadable answer, or one whose data is dated more than a day ahead of
// the clock, is logged with its reason and changes nothing; the next attempt comes after a
// back-off. A currency missing from a good answer is no longer the source's.
class FXLiveSource : public QObject {
    Q_OBJECT

public:
    using Reader = std::function<FXReadResult(const QByteArray &body)>;
    // The next regular fetch after a good answer at `now`.
    using Schedule = std::function<QDateTime(const QDateTime &now, const FXDatedRates &answer)>;
    // What of a good answer goes in force, given the source's state before it.
    using Screen = std::function<FXScreenedRates(const FXDatedRates &answer, const FXSourceState &state)>;

    FXLiveSource(QString name, QList<QUrl> urls, Reader reader, Schedule schedule, Screen screen,
                 FXClock &clock, FXFetcher &fetcher, std::chrono::milliseconds fetchTimeout, FXLogger log,
                 QObject *parent = nullptr);
    ~FXLiveSource() override;

    QString name() const { return m_name; }
    QList<QUrl> urls() const { return m_urls; }
    const FXSourceState &state() const { return m_state; }
    bool isFetching() const { return m_fetching; }

    // Takes back the rates and dates of an earlier run.
    void restore(const FXRateMap &rates, const FXHeldRates &held, const QDateTime &dataDate,
                 const QDateTime &lastSuccess);
    // Fetches now; with `keepScheduling` also plans every later fetch.
    void start(bool keepScheduling = true);

signals:
    // A good answer has changed state().
    void updated();
    // The dated tables of a good answer that went in force: its days before the newest (of a
    // file of several days) and then the newest, without the rates held back.
    void taken(const QList<FXDatedRates> &days);
    // An attempt has ended, well or not.
    void attemptFinished();

private:
    void fetch();
    void tryAddress(qsizetype index);
    void succeed(const FXDatedRates &answer, const QList<FXDatedRates> &earlierDays);
    void fail(const QString &reason);
    void planFetch(const QDateTime &when);

    QString m_name;
    QList<QUrl> m_urls;
    Reader m_reader;
    Schedule m_schedule;
    Screen m_screen;
    FXClock &m_clock;
    FXFetcher &m_fetcher;
    std::chrono::milliseconds m_fetchTimeout;
    FXLogger m_log;

    FXSourceState m_state;
    bool m_fetching = false;
    bool m_keepScheduling = true;
    std::unique_ptr<FXAlarm> m_nextFetch;
};
