#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <mutex>
#include <optional>

class QSettings;

// A persistent key-value store of one domain, kept in an INI file under the user's configuration
// folder. Values are strings, booleans, doubles, ordered string lists and small dictionaries.
//
// Registered defaults form a fallback layer that is never written: a key without a stored value
// reads as its registered value. Storing an invalid QVariant removes the key.
//
// The window and cambio-cli may use one domain at the same time: every write reaches the file at
// once (atomically, under a lock file), and every read first picks up what another process wrote.
// A file that cannot be read reads as empty and is left as it is until the next write.
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
    void setObject(const QVariant &value, const QString &key);
    void removeObjectForKey(const QString &key);

    std::optional<QString> stringForKey(const QString &key) const;
    // False when the key has no value or a value that is not a boolean.
    bool boolForKey(const QString &key) const;
    // 0 when the key has no value or a value that is not a number.
    double doubleForKey(const QString &key) const;
    std::optional<QStringList> stringArrayForKey(const QString &key) const;
    std::optional<QVariantMap> dictionaryForKey(const QString &key) const;

    void setBool(bool value, const QString &key) { setObject(value, key); }

    // Adds `defaults` to the fallback layer; nothing is written.
    void registerDefaults(const QVariantMap &defaults);

private:
    mutable std::mutex m_mutex;
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registeredDefaults;
};
