#pragma once

#include "FXRateHistory.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Daily rates kept in memory for the window's tests and benchmarks: `kept` is what is on this
// computer; a download adds `served` to it and ends with `failure` on the next turn of the event
// loop, or when the test says (finishDownloads) while `holdDownloads` is set.
class MemoryRateHistory : public FXRateHistory {
public:
    struct Request {
        QStringList currencies;
        QDate from;
        QDate to;
    };

    QMap<QString, FXRateSeries> series(const QStringList &currencies, QDate from,
                                       QDate to) const override
    {
        QMap<QString, FXRateSeries> found;
        for (const QString &currency : currencies) {
            FXRateSeries &range = found[currency];
            for (const FXDayRate &rate : kept.value(currency)) {
                if (rate.day >= from && rate.day <= to)
                    range.append(rate);
            }
        }
        return found;
    }

    void download(const QStringList &currencies, QDate from, QDate to, QObject *context,
                  Completion done) override
    {
        requests.append({currencies, from, to});
        m_pending.append({context, std::move(done)});
        if (!holdDownloads)
            QTimer::singleShot(0, context, [this] { finishDownloads(); });
    }

    // Ends every download whose context still lives.
    void finishDownloads()
    {
        const auto pending = std::exchange(m_pending, {});
        for (const auto &[context, done] : pending) {
            if (!context)
                continue;
            if (failure.isEmpty()) {
                for (auto currency = served.cbegin(); currency != served.cend(); ++currency)
                    kept[currency.key()] = currency.value();
            }
            done(failure);
        }
    }

    QMap<QString, FXRateSeries> kept;
    QMap<QString, FXRateSeries> served;
    QString failure;
    bool holdDownloads = false;
    QList<Request> requests;

private:
    QList<std::pair<QPointer<QObject>, Completion>> m_pending;
};
