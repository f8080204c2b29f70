#pragma once

#include "FXRateHistory.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlError;

// A stretch of days, both ends included.
struct FXDayRange {
    QDate first;
    QDate last;

    friend bool operator==(const FXDayRange &, const FXDayRange &) = default;
};

// The SQLite file "RateHistory.sqlite" in the application group container, which the window and
// cambio-cli keep their daily rates in and may open at the same time: one rate per currency and
// day, and the ranges already downloaded for each currency. Used on the thread that made it.
//
// The file is never a reason to fail. One that SQLite cannot read, a folder in its place, or a
// database of another schema is set aside under a dated name (the reason told on stderr) and a new
// one begun; when not even that can be written, the rates are kept in memory for this run.
// Every change is one transaction: a full disk or a crash leaves the days kept before it whole.
class FXRateHistoryDatabase {
public:
    static constexpr int SchemaVersion = 1;

    // The file's place in the container; none when the container cannot be made.
    static std::optional<QString> defaultPath();

    // Opens (or begins) the file at `path`; in memory when there is none.
    explicit FXRateHistoryDatabase(std::optional<QString> path = defaultPath());
    ~FXRateHistoryDatabase();
    FXRateHistoryDatabase(const FXRateHistoryDatabase &) = delete;
    FXRateHistoryDatabase &operator=(const FXRateHistoryDatabase &) = delete;

    // Whether the rates are kept in the file, not in memory only.
    bool isPersistent() const { return m_persistent; }

    // See FXRateHistory::series.
    QMap<QString, FXRateSeries> series(const QStringList &currencies, QDate from, QDate to);

    // Keeps the rates of `day` (from_base by currency code), replacing those kept for the same
    // currency and day. A rate is kept on the terms of an entry of a rates document: a currency
    // code with a normal positive rate; the others are left out. The US dollar reads 1 on every
    // day that gets a rate, whatever it was given. Empty when kept, else why nothing was.
    QString keepDay(QDate day, const QHash<QString, double> &fromBase);
    // Keeps the series of a download that asked for `asked` over `range`, and remembers `range`
    // as downloaded for them: a day of it without a rate has none to get.
    QString keepDownload(const QMap<QString, FXRateSeries> &series, const QStringList &asked,
                         FXDayRange range);
    // The parts of `range` not yet downloaded for `currency`, oldest first.
    QList<FXDayRange> missingRanges(const QString &currency, FXDayRange range);

private:
    QSqlDatabase database() const;
    // Why the file cannot serve, and whether that is the file's fault (it is then set aside).
    struct Problem {
        QString reason;   // empty when it serves
        bool damaged = false;
    };
    void open();
    Problem openFile();
    Problem prepareSchema();
    void closeConnection();
    // Moves the file (and SQLite's files beside it) out of the way under a dated name.
    void setAside(const QString &reason);
    // After a failed statement: sets a damaged file aside and begins anew. Whether it did.
    bool recoverFrom(const QSqlError &error);
    QString keep(const std::function<QString(QSqlDatabase &)> &writes);

    std::optional<QString> m_path;
    QString m_connection;   // a name of this instance's own: each needs its own connection
    bool m_persistent = false;
};
