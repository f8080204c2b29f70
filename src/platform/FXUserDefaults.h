#pragma once

#include "FXResult.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QSettings;

// A persistent key-value store of one domain, kept in an INI file under the user's configuration
// folder. Values are strings, booleans, doubles, ordered string lists and small dictionaries.
//
// Registered defaults form a fallback layer that is never written: a key without a stored value
// reads as its registered value. Storing an invalid QVariant removes the key. An empty string list
// is stored as an empty value, since the INI format has no empty list (it would read back as
// nothing stored); a list holding one empty string therefore cannot be stored.
//
// The window and cambio-cli may use one domain at the same time: every write reaches the file at
// once (atomically, under QSettings' lock file) and says whether it did, every read first picks up
// what another process wrote, and editObject() changes a value from what is stored with no other
// process's edit in between. A file that cannot be read reads as empty and is left as it is until
// the next write.
class FXUserDefaults {
public:
    // The application group's domain, shared by the window and the command-line tool.
    static FXUserDefaults &groupUserDefaults();
    // The window's own domain.
    static FXUserDefaults &standardUserDefaults();

    static QString groupDomain() { return QStringLiteral("io.github.cambio.Cambio.group"); }
    static QString standardDomain() { return QStringLiteral("io.github.cambio.Cambio"); }
    // Where a domain is stored: XDG_CONFIG_HOME (default ~/.config)/io.github.cambio.Cambio/DOMAIN.conf
    static QString filePathForDomain(const QString &domain);

    explicit FXUserDefaults(const QString &filePath);
    ~FXUserDefaults();
    FXUserDefaults(const FXUserDefaults &) = delete;
    FXUserDefaults &operator=(const FXUserDefaults &) = delete;

    QString filePath() const;

    // The stored value, else the registered one, else an invalid QVariant.
    QVariant objectForKey(const QString &key) const;
    FXResult setObject(const QVariant &value, const QString &key);
    FXResult removeObjectForKey(const QString &key);
    // The new value made from the stored one (invalid when none is stored); none leaves it as it is.
    using Edit = std::function<std::optional<QVariant>(const QVariant &stored)>;
    // Reads the stored value, lets `edit` make the new one and writes it, while holding a lock file
    // beside the settings file that every other process's editObject() of this domain waits for.
    FXResult editObject(const QString &key, const Edit &edit);

    std::optional<QString> stringForKey(const QString &key) const;
    // False when the key has no value or a value that is not a boolean.
    bool boolForKey(const QString &key) const;
    // 0 when the key has no value or a value that is not a number.
    double doubleForKey(const QString &key) const;
    std::optional<QStringList> stringArrayForKey(const QString &key) const;
    // A stored value read as a string list, the way stringArrayForKey() reads it.
    static std::optional<QStringList> stringArray(const QVariant &value);
    std::optional<QVariantMap> dictionaryForKey(const QString &key) const;

    FXResult setBool(bool value, const QString &key) { return setObject(value, key); }

    // Adds `defaults` to the fallback layer; nothing is written.
    void registerDefaults(const QVariantMap &defaults);

private:
    // Rereads the file when another process changed it (m_mutex held).
    void syncFromFile() const;
    void rereadUnderWritersLock() const;
    // Writes `value` under `key` (m_mutex held) and tells whether it reached the file.
    FXResult store(const QVariant &value, const QString &key);
    // Sets or removes `key` in QSettings' memory.
    void put(const QVariant &value, const QString &key);
    FXResult writeFailure() const;
    // A fresh QSettings over the same file, without pending values or a remembered error.
    void reopen();
    void open() const;
    QSettings &settings() const;

    mutable std::mutex m_mutex;
    QString m_filePath;
    mutable std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registeredDefaults;
};
