#include "FXRatesFile.h"

#include "FXPaths.h"
#include "FXPropertyList.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

std::optional<QString> FXRatesFile::defaultPath()
{
    const auto container = FXPaths::applicationGroupContainer();
    if (!container)
        return std::nullopt;
    return *container + QStringLiteral("/CurrencyRates.plist");
}

FXRatesFile::FXRatesFile(std::optional<QString> path, QString seedPath)
    : m_path(std::move(path))
    , m_seedPath(std::move(seedPath))
{
}

std::optional<QVariantMap> FXRatesFile::read()
{
    if (!m_path)
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    // Only an empty place takes the seed: a dangling link, say, is the user's and stays.
    struct stat entry {};
    if (::lstat(QFile::encodeName(*m_path).constData(), &entry) != 0 && errno == ENOENT) {
        if (const auto &seed = loadSeed())
            FXPropertyList::writeDictionaryToFile(*seed, *m_path);
    }

    const FileState state = currentState();
    if (m_unreadableState == state)
        return std::nullopt;
    auto document = FXPropertyList::readDictionaryFromFile(*m_path);
    if (document)
        m_unreadableState.reset();
    else
        m_unreadableState = state;
    return document;
}

const std::optional<QVariantMap> &FXRatesFile::seed()
{
    std::lock_guard lock(m_mutex);
    return loadSeed();
}

const std::optional<QVariantMap> &FXRatesFile::loadSeed()
{
    if (!m_seed)
        m_seed = FXPropertyList::readDictionaryFromFile(m_seedPath);
    return *m_seed;
}

bool FXRatesFile::write(const QVariantMap &document)
{
    if (!m_path)
        return false;
    std::lock_guard lock(m_mutex);
    const bool written = FXPropertyList::writeDictionaryToFile(document, *m_path);
    if (written)
        m_unreadableState.reset();
    return written;
}

FXRatesFile::FileState FXRatesFile::currentState() const
{
    const QFileInfo info(*m_path);
    return FileState{info.exists() ? info.size() : -1,
                     info.lastModified()};
}
