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
struct FXFileState;

// A persistent key-value store of one domain, kept in an INI file under the user's configuration
// folder. Values are strings, booleans, doubles, ordered string lists and small dictionaries.
//
// Registered defaults form a fallback layer that is never written: a key without a stored value
// reads as its registered value. Storing an invalid QVariant removes the key. An empty string list
// is stored as an empty value, since the INI format has no empty list (it would read back as
// nothing stored); a list holding one empty string therefore cannot be stored.
//
// The window and cambio-cli may use one domain at the same time: every write reaches the file at
// once (atomically) and says whether it did, every read first picks up what another process
// wrote, and every write is made from what is stored, under a lock beside the file that every
// other process's write of this domain waits for (its turn comes within moments, however many
// wait). A file that cannot be read reads as empty and is left as it is until the next write.
// Only a regular file of at most 1 MiB is read: anything else in its place (a FIFO, a folder, a
// huge file) reads as empty, is said once on stderr and refuses writes, so nothing is lost.
class FXUserDefaults {
public:
    // The application group's domain, shared by the window and the command-line tool (the root's).
    static FXUserDefaults &groupUserDefaults();
    // The window's own domain (the composition root's).
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
    // Several values in one write: another process reads either none or all of them.
    FXResult setObjects(const QVariantMap &values);
    FXResult removeObjectForKey(const QString &key);
    // The new value made from the stored one (invalid when none is stored); none leaves it as it is.
    using Edit = std::function<std::optional<QVariant>(const QVariant &stored)>;
    // Reads the stored value and lets `edit` make the new one, which is written, with no other
    // process's write in between.
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
    // The values to write, made from what is stored; none writes nothing.
    using Change = std::function<std::optional<QVariantMap>()>;
    FXResult write(const Change &change);
    // Rereads the file when another process changed it (m_mutex held). False when the file may
    // not be read.
    bool syncFromFile() const;
    void rereadUnderEditLock() const;
    // Whether the file in `state` may be read; says why not on stderr once.
    bool isReadable(const FXFileState &state) const;
    // Writes `values` (m_mutex and the edit lock held) and tells whether they reached the file.
    FXResult store(const QVariantMap &values);
    // Sets or removes `key` in QSettings' memory.
    void put(const QVariant &value, const QString &key);
    FXResult writeFailure() const;
    // A fresh QSettings over the same file, without pending values or a remembered error.
    void reopen();
    void open() const;
    QSettings &settings() const;
    QString editLockPath() const;

    mutable std::mutex m_mutex;
    QString m_filePath;
    mutable std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registeredDefaults;
    bool m_holdsEditLock = false;              // m_mutex held
    mutable QString m_unreadableReason;        // said on stderr; empty while the file is readable
};
