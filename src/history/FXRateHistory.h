#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// One day's rate of a currency: how much of it one US dollar bought that day (the rates
// answer's from_base).
struct FXDayRate {
    QDate day;
    double fromBase = 0;

    friend bool operator==(const FXDayRate &, const FXDayRate &) = default;
};

// Oldest day first, at most one rate a day; days without data are left out.
using FXRateSeries = QList<FXDayRate>;

// The daily rates kept on this computer, shared by the window and cambio-cli: what the refreshes
// brought and what was downloaded for a range. The US dollar, the base of every rate, reads 1 on
// each day that holds any rate.
class FXRateHistory {
public:
    using Completion = std::function<void(const QString &failureReason)>;

    virtual ~FXRateHistory() = default;

    // What is kept for each of `currencies` from `from` to `to`, both included. A currency with
    // nothing kept maps to an empty series.
    virtual QMap<QString, FXRateSeries> series(const QStringList &currencies, QDate from,
                                               QDate to) const = 0;

    // Asks the rates server for that range and keeps what it answers. Calls `done` once, later,
    // on this thread: with an empty text, or with why the download failed (what was kept stays).
    // Destroying `context` first ends the download, and `done` is never called.
    virtual void download(const QStringList &currencies, QDate from, QDate to, QObject *context,
                          Completion done) = 0;
};
