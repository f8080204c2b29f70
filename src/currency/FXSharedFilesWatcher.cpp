#include "FXSharedFilesWatcher.h"

#include "FXCurrencyManager.h"
#include "FXNotificationCenter.h"
#include "FXRatesFile.h"
#include "FXRatesTable.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {

// A write is a temporary file, then a rename: one look after the last of its signals.
constexpr int SettleMilliseconds = 100;

}

FXSharedFilesWatcher::FXSharedFilesWatcher(FXRatesTable &ratesTable, const FXRatesFile &ratesFile,
                                           FXCurrencyManager &currencies,
                                           FXSettingsManager &settings, FXNotificationCenter &center)
    : m_ratesTable(ratesTable)
    , m_currencies(currencies)
    , m_settings(settings)
    , m_center(center)
    , m_watcher(std::make_unique<QFileSystemWatcher>())
    , m_knownSettings(currentSettings())
{
    if (const auto ratesPath = ratesFile.path())
        m_files.append(*ratesPath);
    m_files.append(settings.userDefaults().filePath());

    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    QObject::connect(&m_settle, &QTimer::timeout, [this] { lookForChanges(); });
    const auto changed = [this] { m_settle.start(); };
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, changed);
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, changed);
    watch();

    m_center.addObserver(&m_observing, FXSettingsDidChangeNotification,
                         [this](const FXNotification &) { m_knownSettings = currentSettings(); },
                         &m_settings);
}

FXSharedFilesWatcher::~FXSharedFilesWatcher() = default;

FXSharedFilesWatcher::SettingsState FXSharedFilesWatcher::currentSettings() const
{
    return {m_settings.visibleCurrencies(), m_settings.defaultCurrency(),
            m_settings.isLocationBasedCurrencyEnabled()};
}

void FXSharedFilesWatcher::watch()
{
    // A file replaced by a rename is a new file, which the watcher has to be told of again.
    for (const QString &file : std::as_const(m_files)) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!m_watcher->directories().contains(folder) && QFileInfo(folder).isDir())
            m_watcher->addPath(folder);
        if (!m_watcher->files().contains(file) && QFileInfo::exists(file))
            m_watcher->addPath(file);
    }
}

void FXSharedFilesWatcher::lookForChanges()
{
    watch();
    if (m_ratesTable.reloadIfChanged()) {
        m_center.postNotification(FXRatesDidUpdateNotification, &m_currencies,
                                  FXRefreshOutcome{true, QString()}.userInfo());
    }
    if (const SettingsState settings = currentSettings(); settings != m_knownSettings) {
        m_knownSettings = settings;
        m_center.postNotification(FXSettingsDidChangeNotification, &m_settings);
    }
}
