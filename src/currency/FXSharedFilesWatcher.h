#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class FXCurrencyManager;
class FXNotificationCenter;
class FXRatesFile;
class FXRatesTable;
class FXSettingsManager;
class QFileSystemWatcher;

// Notices what other processes (cambio-cli, a second copy of the program) change in the files
// this program shares with them, and announces it as if the change had been made here: new rates
// with FXRatesDidUpdateNotification (from the currency manager, as a successful refresh), changed
// settings with FXSettingsDidChangeNotification (from the settings manager). Changes made by this
// process are announced where they are made, and not again.
//
// The folders are watched as well as the files: both files are replaced by renaming, which a
// watch on the old file alone would not see. Bursts of changes are announced once, shortly after.
// Main thread only.
class FXSharedFilesWatcher {
public:
    FXSharedFilesWatcher(FXRatesTable &ratesTable, const FXRatesFile &ratesFile,
                         FXCurrencyManager &currencies, FXSettingsManager &settings,
                         FXNotificationCenter &center);
    ~FXSharedFilesWatcher();
    FXSharedFilesWatcher(const FXSharedFilesWatcher &) = delete;
    FXSharedFilesWatcher &operator=(const FXSharedFilesWatcher &) = delete;

private:
    // What the settings store announces a change of, as last seen.
    struct SettingsState {
        QStringList visibleCurrencies;
        std::optional<QString> fixedMainCurrency;
        bool locationBasedCurrency = false;
        bool operator==(const SettingsState &) const = default;
    };
    SettingsState currentSettings() const;
    void watch();
    void lookForChanges();

    FXRatesTable &m_ratesTable;
    FXCurrencyManager &m_currencies;
    FXSettingsManager &m_settings;
    FXNotificationCenter &m_center;
    QStringList m_files;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    QTimer m_settle;
    SettingsState m_knownSettings;
    QObject m_observing;   // the context of its observation of the settings, which ends with it
};
