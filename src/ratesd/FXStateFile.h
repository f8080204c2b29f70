#pragma once

#include "FXPlausibility.h"
#include "FXRateMap.h"

#include <QHash>
#include <QString>

#include <optional>

// What the server keeps across restarts of each live source: its rates, the date of their data and
// when they came. The served table and its date follow from these and the base table, so that the
// last good table is served again at once after a restart.
struct FXSavedSource {
    FXRateMap rates;
    FXHeldRates held;
    QDateTime dataDate;
    QDateTime lastSuccess;
};

// The state file, state.json in the server's state folder ($XDG_STATE_HOME/cambio-ratesd). It is
// replaced whole on every write, so that a crash or a full disk leaves the previous one. A crash
// in the middle of a write leaves its temporary file, state.json.XXXXXX, behind.
class FXStateFile {
public:
    explicit FXStateFile(QString directory);

    static QString defaultDirectory();
    QString path() const;

    // By source name; empty when there is no file yet. None, with the reason, when it cannot be read.
    std::optional<QHash<QString, FXSavedSource>> read(QString *failureReason = nullptr) const;
    bool write(const QHash<QString, FXSavedSource> &sources, QString *failureReason = nullptr) const;
    // Removes the temporary files of writes that ended more than a minute ago. Younger ones may
    // be those of a write under way, of --once or of a second server on the same folder.
    void removeLeftovers() const;

private:
    QString m_directory;
};
