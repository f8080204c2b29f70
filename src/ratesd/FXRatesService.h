#pragma once

#include "FXEcbHistoryImport.h"
#include "FXFetcher.h"
#include "FXHttpFetcher.h"
#include "FXLiveSource.h"
#include "FXServedRateHistory.h"
#include "FXRateMap.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class FXClock;

struct FXServiceSettings {
    // The bank's full history is some 6,700 days of a few dozen rates: several MiB, which a slow
    // line takes a while to bring.
    static constexpr qint64 historyMaximumSize = 64 * 1024 * 1024;
    static constexpr std::chrono::milliseconds historyDeadline{120'000};

    // The central bank's longest closing runs from the Thursday before Easter to the Tuesday
    // after: five days between two publications, six and some minutes when that Tuesday's comes
    // after 18:00 and is fetched on Wednesday. A week never calls such a table stale.
    static constexpr std::chrono::seconds defaultMaximumAge{7 * 24 * 3600};

    QList<QUrl> ecbUrls;    // none: the central bank is not asked
    QList<QUrl> apiUrls;    // tried in turn; none: the currency API is not asked
    QUrl ecbHistoryUrl;     // the bank's full history, imported once; empty: not imported
    QString baseFile;       // the program's copy of the seed when empty
    QString stateDirectory;
    std::chrono::seconds maximumAge = defaultMaximumAge;
    std::chrono::milliseconds fetchTimeout = FXFetchRequest().deadline;
};

// The table the server hands out at one moment. Built whole and then put in place of the previous
// one, so that no answer ever shows half of an update.
struct FXServedTable {
    FXRateMap rates;
    QDateTime date;     // what its newest data stands for
    QByteArray json;    // the body of the update path
};

// The rates that the server serves: of each currency, the rate of the newest data among the base
// table, the currency API and the central bank (the later in that order when their data is of
// the same moment). Only codes of real currencies on the data's day are taken (FXCurrencyCodes),
// and a code leaves once no source carries it. The API's rates go through the plausibility check
// (FXPlausibility); the bank's are trusted. Keeps the live sources fetching on their schedules,
// saves what they gave after every good answer, and tells whether the table is still current: it
// is while its newest data is no older than the maximum age (a table written by --once elsewhere is
// as fresh as its file). Dates ahead of the clock, in the base table or the saved state, are not
// trusted: the clock may have been set back. Every table that a source puts in force also goes
// into the daily history (FXServedRateHistory) beside the state.
class FXRatesService : public QObject {
    Q_OBJECT

public:
    static void logToStandardError(const QString &line);

    FXRatesService(FXServiceSettings settings, FXClock &clock, FXLogger log = &logToStandardError,
                   QObject *parent = nullptr);
    ~FXRatesService() override;

    // Reads the base table and the saved state. False, logged, when the base table cannot be read.
    bool load();
    // Fetches every live source now; with `keepScheduling` false once only, for --once. A
    // scheduling run also imports the bank's full history while it is not in; after a failure,
    // again after the next good answer of a source.
    void start(bool keepScheduling = true);
    bool isImportingHistory() const { return m_import != nullptr; }

    std::shared_ptr<const FXServedTable> table() const { return m_table; }
    // Why the table must not be passed off as current; none while it may be.
    std::optional<QString> stalenessReason() const;
    // Whether the first attempt of some live source is still under way.
    bool isStarting() const;
    bool isFetching() const;
    // Whether a live source has answered well since start().
    bool hasAnsweredSinceStart() const { return m_answeredSinceStart; }
    // The earliest planned fetch; invalid when none is planned.
    QDateTime nextFetch() const;
    // Each source's state, for /healthz.
    QJsonObject health() const;
    // The daily history of what the sources gave.
    const FXServedRateHistory &history() const { return m_history; }

signals:
    void tableChanged();
    // The first attempt of every live source has ended.
    void startFinished();
    void attemptFinished();

private:
    FXLiveSource *addSource(const QString &name, const QList<QUrl> &urls, FXLiveSource::Reader reader,
                            FXLiveSource::Schedule schedule);
    QDateTime lastLiveSuccess() const;
    void restoreState();
    FXScreenedRates screen(const QString &name, const FXDatedRates &answer, const FXSourceState &state) const;
    void rebuildTable();
    void saveState();
    void stateFailed(const QString &reason);
    void openHistory();
    void record(FXServedRateHistory::Source source, const QList<FXDatedRates> &days);
    void historyFailed(const QString &reason);
    void importHistoryIfDue();
    void finishImport(const FXFetchResult &result);

    FXServiceSettings m_settings;
    FXClock &m_clock;
    FXLogger m_log;
    FXHttpFetcher m_fetcher;
    FXDatedRates m_base;
    QList<FXLiveSource *> m_sources;   // children, in rising precedence
    std::shared_ptr<const FXServedTable> m_table;
    QString m_stateError;        // why the state could not be read or written last; empty once it could
    QDateTime m_stateErrorAt;
    FXServedRateHistory m_history;
    QString m_historyError;      // why the history could not be opened or written last
    QDateTime m_historyErrorAt;
    std::unique_ptr<FXEcbHistoryImport> m_import;   // while the bank's full history comes
    QString m_importError;       // why the last import failed; empty once one went through
    QDateTime m_importErrorAt;
    bool m_importsAllowed = false;   // in a scheduling run, not --once
    bool m_started = false;
    bool m_answeredSinceStart = false;
};
