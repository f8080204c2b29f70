#include "FXRatesFile.h"

#include "FXPaths.h"
#include "FXPropertyList.h"

#include <QFile>

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
    , m_cache(m_path ? std::optional(*m_path + QStringLiteral(".cache")) : std::nullopt)
    , m_seedPath(std::move(seedPath))
{
}

std::optional<FXRatesDocument> FXRatesFile::read()
{
    if (!m_path)
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    // Only an empty place takes the seed: a dangling link, say, is the user's and stays. One try
    // per run: a place that cannot take it (a folder that cannot be written) would fail again.
    struct stat entry {};
    if (!m_seedingTried && ::lstat(QFile::encodeName(*m_path).constData(), &entry) != 0
        && errno == ENOENT) {
        m_seedingTried = true;
        if (const auto &seed = loadSeed())
            FXPropertyList::writeDictionaryToFile(*seed, *m_path);
    }

    // Taken before reading: should the file change during the read, it counts as changed since.
    m_knownState = FXFileState::of(*m_path);
    if (std::optional<FXRatesDocument> copy = m_cache.read(*m_knownState))
        return copy;
    const std::optional<QVariantMap> stored = FXPropertyList::readDictionaryFromFile(*m_path);
    if (!stored)
        return std::nullopt;
    FXRatesDocument document(*stored);
    // A copy of what was read is a copy of that version only if the file stayed as it was.
    if (FXFileState::of(*m_path) == *m_knownState)
        m_cache.write(document, *m_knownState);
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
    m_knownState = FXFileState::of(*m_path);
    return written;
}

bool FXRatesFile::hasChanged()
{
    if (!m_path)
        return false;
    std::lock_guard lock(m_mutex);
    return m_knownState != FXFileState::of(*m_path);
}
