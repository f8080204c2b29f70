#include "FXUserDefaults.h"

#include "FXPaths.h"

#include <QDir>
#include <QSettings>

FXUserDefaults &FXUserDefaults::groupUserDefaults()
{
    static FXUserDefaults defaults(filePathForDomain(groupDomain()));
    return defaults;
}

FXUserDefaults &FXUserDefaults::standardUserDefaults()
{
    static FXUserDefaults defaults(filePathForDomain(standardDomain()));
    return defaults;
}

QString FXUserDefaults::filePathForDomain(const QString &domain)
{
    return FXPaths::configDirectory() + u'/' + domain + u".conf";
}

FXUserDefaults::FXUserDefaults(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
}

FXUserDefaults::~FXUserDefaults() = default;

QString FXUserDefaults::filePath() const
{
    return m_settings->fileName();
}

QVariant FXUserDefaults::objectForKey(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    // Picks up what another process wrote since our last look (QSettings compares the file's
    // size and time and rereads it only when it changed).
    m_settings->sync();
    const QVariant stored = m_settings->value(key);
    if (stored.isValid())
        return stored;
    return m_registeredDefaults.value(key);
}

void FXUserDefaults::setObject(const QVariant &value, const QString &key)
{
    std::lock_guard lock(m_mutex);
    if (value.isValid())
        m_settings->setValue(key, value);
    else
        m_settings->remove(key);
    m_settings->sync();
}

void FXUserDefaults::removeObjectForKey(const QString &key)
{
    setObject(QVariant(), key);
}

std::optional<QString> FXUserDefaults::stringForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool FXUserDefaults::boolForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    // The INI file holds booleans as the words true and false.
    if (value.typeId() == QMetaType::QString)
        return value.toString() == u"true" || value.toString() == u"1";
    return value.canConvert<bool>() && value.toBool();
}

double FXUserDefaults::doubleForKey(const QString &key) const
{
    bool ok = false;
    const double value = objectForKey(key).toDouble(&ok);
    return ok ? value : 0.0;
}

std::optional<QStringList> FXUserDefaults::stringArrayForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList();
    // The INI format cannot tell a one-element list from a string.
    case QMetaType::QString:
        return QStringList{value.toString()};
    case QMetaType::QVariantList: {
        QStringList list;
        for (const QVariant &element : value.toList()) {
            if (element.typeId() != QMetaType::QString)
                return std::nullopt;
            list.append(element.toString());
        }
        return list;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QVariantMap> FXUserDefaults::dictionaryForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return value.toMap();
}

void FXUserDefaults::registerDefaults(const QVariantMap &defaults)
{
    std::lock_guard lock(m_mutex);
    m_registeredDefaults.insert(defaults);
}
