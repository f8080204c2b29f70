#include "FXUserDefaults.h"

#include "FXFileLock.h"
#include "FXFileState.h"
#include "FXLocalizedString.h"
#include "FXPaths.h"

#include <QDir>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace {

// Another process holds the edit lock for one read and write of its own, milliseconds; readers
// take it shared only to read again a file that changed while they read it.
constexpr std::chrono::seconds EditLockTimeout{10};
constexpr std::chrono::seconds ReadLockTimeout{2};
// Settings take a few hundred bytes: a file far larger is no settings file, and QSettings would
// hold it in memory several times over.
constexpr qint64 MaximumFileSize = 1024 * 1024;

// Why the file in `state` is not read; empty when it may be (or does not exist).
QString unreadableReason(const FXFileState &state)
{
    if (!state.exists)
        return {};
    if (!state.isRegular)
        return FXLocalizedString::text("not a regular file");
    if (state.size > MaximumFileSize)
        return FXLocalizedString::text("larger than 1 MiB");
    return {};
}

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
    const QVariant stored = syncFromFile() ? settings().value(key) : QVariant();
    if (stored.isValid())
        return stored;
    return m_registeredDefaults.value(key);
}

FXResult FXUserDefaults::setObject(const QVariant &value, const QString &key)
{
    return setObjects({{key, value}});
}

FXResult FXUserDefaults::setObjects(const QVariantMap &values)
{
    return write([&] { return std::optional(values); });
}

FXResult FXUserDefaults::removeObjectForKey(const QString &key)
{
    return setObject(QVariant(), key);
}

FXResult FXUserDefaults::editObject(const QString &key, const Edit &edit)
{
    return write([&]() -> std::optional<QVariantMap> {
        const std::optional<QVariant> changed = edit(settings().value(key));
        if (!changed)
            return std::nullopt;
        return QVariantMap{{key, *changed}};
    });
}

QString FXUserDefaults::editLockPath() const
{
    // Not QSettings' own "<file>.lock": QSettings takes that one inside every sync.
    return m_filePath + QStringLiteral(".edit-lock");
}

FXResult FXUserDefaults::write(const Change &change)
{
    std::lock_guard lock(m_mutex);
    const FXFileLock editLock(editLockPath(), FXFileLock::Mode::Exclusive, EditLockTimeout);
    if (!editLock.isLocked())
        return FXResult::failed(editLock.failureReason());
    m_holdsEditLock = true;
    const auto released = qScopeGuard([this] { m_holdsEditLock = false; });
    if (!syncFromFile()) {
        return FXResult::failed(FXLocalizedString::format("cannot write %@", m_filePath)
                                + QStringLiteral(": ") + m_unreadableReason);
    }
    const std::optional<QVariantMap> values = change();
    if (!values)
        return FXResult::done();
    return store(*values);
}

bool FXUserDefaults::syncFromFile() const
{
    // Picks up what another process wrote since our last look: QSettings compares the file's size
    // and time with those it noted and rereads it only when they changed.
    const FXFileState before = FXFileState::of(m_filePath);
    if (!isReadable(before))
        return false;
    settings().sync();
    if (FXFileState::of(m_filePath) != before)
        rereadUnderEditLock();
    return true;
}

bool FXUserDefaults::isReadable(const FXFileState &state) const
{
    const QString reason = unreadableReason(state);
    if (!reason.isEmpty() && reason != m_unreadableReason) {
        qWarning("%s: %s: %s", program_invocation_short_name,
                 qUtf8Printable(FXLocalizedString::format("ignoring the settings in %@", m_filePath)),
                 qUtf8Printable(reason));
    }
    m_unreadableReason = reason;
    return reason.isEmpty();
}

void FXUserDefaults::rereadUnderEditLock() const
{
    // QSettings notes the file's size and time after reading it, not before: a write by another
    // process in between leaves it believing that it holds the newer file, which it would then
    // never read. So a file that changed across a read is read again, with every writer kept out,
    // after giving it a time that differs from the one noted.
    std::optional<FXFileLock> readLock;
    if (!m_holdsEditLock)
        readLock.emplace(editLockPath(), FXFileLock::Mode::Shared, ReadLockTimeout);
    FXFileState::touch(m_filePath);
    settings().sync();
}

FXResult FXUserDefaults::store(const QVariantMap &values)
{
    // QSettings keeps the first error it met, also a read of a damaged file that this write is
    // about to replace: only the status of this write may count.
    if (settings().status() != QSettings::NoError)
        reopen();
    QVariantMap previous;
    for (auto value = values.begin(); value != values.end(); ++value) {
        previous.insert(value.key(), settings().value(value.key()));
        put(value.value(), value.key());
    }
    settings().sync();
    if (settings().status() == QSettings::NoError)
        return FXResult::done();
    // The values would stay pending (QSettings shares them between every instance over the file)
    // and reach the file with some later write, after the caller was told that it failed.
    FXResult failure = writeFailure();
    for (auto value = previous.begin(); value != previous.end(); ++value)
        put(value.value(), value.key());
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
        rereadUnderEditLock();
}

FXResult FXUserDefaults::writeFailure() const
{
    // QSettings only says that access failed. Writing a file of the size it writes the way it
    // does, and then dropping it, tells the system's reason ("Is a directory", "No space left on
    // device", "File name too long").
    const QString failure = FXLocalizedString::format("cannot write %@", m_filePath);
    const qint64 size = std::max<qint64>(FXFileState::of(m_filePath).size, 0) + 4096;
    QSaveFile probe(m_filePath);
    if (probe.open(QIODevice::WriteOnly) && probe.write(QByteArray(size, ' ')) == size
        && probe.flush()) {
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
