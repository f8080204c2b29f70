#include "FXUserDefaults.h"

#include "FXLocalizedString.h"
#include "FXFileState.h"
#include "FXPaths.h"

#include <QDir>
#include <QSaveFile>
#include <QLockFile>
#include <QSettings>

namespace {

// Another process holds either lock only for one read or write of its own.
constexpr int EditLockTimeoutMilliseconds = 30'000;
constexpr int ReadLockTimeoutMilliseconds = 2'000;

// What the INI file can hold for `value`: an empty list would be written as no value at all.
QVariant storable(const QVariant &value)
{
    const bool isList = value.typeId() == QMetaType::QStringList
                        || value.typeId() == QMetaType::QVariantList;
    if (isList && value.toList().isEmpty())
        return QString();
    return value;
}

}

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
    : m_filePath(filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
}

FXUserDefaults::~FXUserDefaults() = default;

QString FXUserDefaults::filePath() const
{
    return m_filePath;
}

QSettings &FXUserDefaults::settings() const
{
    // Made on first use: a program that never reads its settings (cambio-cli --version) does not
    // read the file.
    if (!m_settings)
        open();
    return *m_settings;
}

QVariant FXUserDefaults::objectForKey(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    syncFromFile();
    const QVariant stored = settings().value(key);
    if (stored.isValid())
        return stored;
    return m_registeredDefaults.value(key);
}

FXResult FXUserDefaults::setObject(const QVariant &value, const QString &key)
{
    std::lock_guard lock(m_mutex);
    return store(value, key);
}

FXResult FXUserDefaults::removeObjectForKey(const QString &key)
{
    return setObject(QVariant(), key);
}

FXResult FXUserDefaults::editObject(const QString &key, const Edit &edit)
{
    // Not QSettings' own "<file>.lock": QSettings takes that one inside every sync.
    QLockFile editLock(m_filePath + QStringLiteral(".edit-lock"));
    if (!editLock.tryLock(EditLockTimeoutMilliseconds)) {
        if (editLock.error() == QLockFile::LockFailedError)
            return FXResult::failed(FXLocalizedString::format(
                "another program kept %@ locked", m_filePath));
        return writeFailure();
    }
    std::lock_guard lock(m_mutex);
    syncFromFile();
    const std::optional<QVariant> changed = edit(settings().value(key));
    if (!changed)
        return FXResult::done();
    return store(*changed, key);
}

void FXUserDefaults::syncFromFile() const
{
    // Picks up what another process wrote since our last look: QSettings compares the file's size
    // and time with those it noted and rereads it only when they changed.
    const FXFileState before = FXFileState::of(m_filePath);
    settings().sync();
    if (FXFileState::of(m_filePath) != before)
        rereadUnderWritersLock();
}

void FXUserDefaults::rereadUnderWritersLock() const
{
    // QSettings notes the file's size and time after reading it, not before: a write by another
    // process in between leaves it believing that it holds the newer file, which it would then
    // never read. So a file that changed across a read is read again under the lock file that
    // QSettings' own writes hold, after giving it a time that differs from the one noted. (Never
    // held for a write of ours: QSettings takes it itself then.)
    QLockFile writersLock(m_filePath + QStringLiteral(".lock"));
    writersLock.tryLock(ReadLockTimeoutMilliseconds);
    FXFileState::touch(m_filePath);
    settings().sync();
}

FXResult FXUserDefaults::store(const QVariant &value, const QString &key)
{
    // QSettings keeps the first error it met, also a read of a damaged file that this write is
    // about to replace: only the status of this write may count.
    if (settings().status() != QSettings::NoError)
        reopen();
    const QVariant previous = settings().value(key);
    put(value, key);
    settings().sync();
    if (settings().status() == QSettings::NoError)
        return FXResult::done();
    // The value would stay pending (QSettings shares it between every instance over the file)
    // and reach the file with some later write, after the caller was told that it failed.
    FXResult failure = writeFailure();
    put(previous, key);
    reopen();
    return failure;
}

void FXUserDefaults::put(const QVariant &value, const QString &key)
{
    if (value.isValid())
        settings().setValue(key, storable(value));
    else
        settings().remove(key);
}

void FXUserDefaults::reopen()
{
    open();
}

void FXUserDefaults::open() const
{
    // QSettings reads the file as it is made.
    const FXFileState before = FXFileState::of(m_filePath);
    m_settings = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
    if (FXFileState::of(m_filePath) != before)
        rereadUnderWritersLock();
}

FXResult FXUserDefaults::writeFailure() const
{
    // QSettings only says that access failed. Starting a write the way it does, and then dropping
    // it, tells the system's reason ("Is a directory", "File name too long", "Not a directory").
    const QString &path = m_filePath;
    const QString failure = FXLocalizedString::format("cannot write %@", path);
    QSaveFile probe(path);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.cancelWriting();
        return FXResult::failed(failure);
    }
    return FXResult::failed(failure + QStringLiteral(": ") + probe.errorString());
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
    return stringArray(objectForKey(key));
}

std::optional<QStringList> FXUserDefaults::stringArray(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList();
    // The INI format cannot tell a one-element list from a string, nor an empty list from an
    // empty string.
    case QMetaType::QString:
        if (value.toString().isEmpty())
            return QStringList();
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
