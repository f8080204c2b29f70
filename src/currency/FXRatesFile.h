#pragma once

#include "FXFileState.h"
#include "FXRatesCache.h"
#include "FXRatesDocument.h"

#include <QString>
#include <QVariantMap>

#include <mutex>
#include <optional>

// The rates document "CurrencyRates.plist" in the application group container, shared by the
// window and the command-line tool, and the seed copy the program carries for the first start.
//
// It remembers the file as it was at its last read or write, so that a change made by another
// process can be told from its own.
class FXRatesFile {
public:
    // The document's place in the container; none when the container cannot be made.
    static std::optional<QString> defaultPath();
    static QString seedResourcePath() { return QStringLiteral(":/CurrencyRates.plist"); }

    explicit FXRatesFile(std::optional<QString> path = defaultPath(),
                         QString seedPath = seedResourcePath());

    std::optional<QString> path() const { return m_path; }

    // The stored document. On the very first read the seed is stored in its place, in the binary
    // form that later reads take quickly; anything already at the path, even something that cannot
    // be read, is never replaced by it. Only a regular file is read (a link to one is followed),
    // of at most FXPropertyList::maximumFileSize bytes. The document comes from its compact copy
    // beside the file (FXRatesCache) while that is a copy of this very version of the file.
    std::optional<FXRatesDocument> read();
    // The seed document, read once.
    const std::optional<QVariantMap> &seed();
    // Whether the file is no longer the one of the last read or write: another process replaced,
    // changed or removed it since.
    bool hasChanged();
    // Replaces the stored document whole: a crash or a full disk leaves the old one in place. A
    // link at the path is replaced by the file, its target left alone. True only when the path
    // then holds the document.
    bool write(const QVariantMap &document);

private:
    const std::optional<QVariantMap> &loadSeed();   // with m_mutex held

    std::mutex m_mutex;
    std::optional<QString> m_path;
    FXRatesCache m_cache;
    QString m_seedPath;
    std::optional<std::optional<QVariantMap>> m_seed;
    std::optional<FXFileState> m_knownState;   // at the last read or write
    bool m_seedingTried = false;
};
