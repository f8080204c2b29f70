#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads what other programs may have put in place of our files, safely: only a regular file, also
// through a symbolic link, of at most a given size. Anything else (a device, a FIFO, a folder)
// reads as none at once, without waiting for a writer and without reading endless bytes. Paths
// starting with ':' name Qt resources.
class FXRegularFile {
public:
    FXRegularFile() = delete;

    static std::optional<QByteArray> contents(const QString &path, qint64 maximumSize);
};
