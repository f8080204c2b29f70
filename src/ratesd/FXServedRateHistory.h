#pragma once

#include "FXRateMap.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <utility>

class FXCurrencyCodes;

// One currency's rates from the dollar by day, oldest first.
using FXServedRateSeries = QList<std::pair<QDate, double>>;

// One day of a source's rates from the dollar, by currency code.
struct FXHistoryDay {
    QDate day;
    QList<std::pair<QString, double>> fromBase;

    // The day of a dated table: the day its date falls on in UTC.
    static FXHistoryDay of(const FXDatedRates &rates);
};

// The daily history of the rates that the server has served: one rate from the dollar per
// currency and day, in history.sqlite in the server's state folder. Each source's dated table is
// recorded as it comes, under the same rules as the served table (codes in use on that day,
// rates within the bounds); on a day that two sources give, the one of higher precedence (the
// central bank) keeps it. Every write is one SQLite transaction with a synchronous journal, so a
// crash or a full disk leaves the history as it was before that write, never torn or emptied. A
// file that is no SQLite database is set aside beside it (history.sqlite.damaged) and the
// history begins again.
class FXServedRateHistory {
public:
    // Precedence of the sources on the same day.
    enum class Source { CurrencyApi = 1, CentralBank = 2 };

    FXServedRateHistory(QString directory, const FXCurrencyCodes &codes);
    ~FXServedRateHistory();
    FXServedRateHistory(const FXServedRateHistory &) = delete;
    FXServedRateHistory &operator=(const FXServedRateHistory &) = delete;

    QString path() const;
    // Opens or makes the database; `setAside` tells whether a damaged one was set aside. False
    // with the reason when it cannot be had; every call then fails with that reason.
    bool open(QString *failureReason = nullptr, bool *setAside = nullptr);
    bool isOpen() const { return m_openFailure.isEmpty(); }

    // Records the days of one source, all or none. `markImported` also notes, in the same
    // transaction, that the central bank's full history is in.
    bool record(Source source, const QList<FXHistoryDay> &days, QString *failureReason = nullptr,
                bool markImported = false);
    bool isImported() const;

    // Whether the history holds any day of `code`.
    bool knows(const QString &code) const;
    // The days of `code` from `from` to `to`, both included; none, with the reason, on a read error.
    std::optional<FXServedRateSeries> series(const QString &code, const QDate &from, const QDate &to,
                                             QString *failureReason = nullptr) const;
    // The first and the last day that the history holds (of the dollar, which every source
    // gives); invalid dates while it is empty.
    std::pair<QDate, QDate> span() const;

private:

    QString m_directory;
    const FXCurrencyCodes &m_codes;
    QString m_connection;   // the name of this instance's connection in Qt SQL
    QString m_openFailure;
};
