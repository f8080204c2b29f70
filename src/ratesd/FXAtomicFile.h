#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces a file whole: the bytes go to a temporary file beside it (named after it, with a
// suffix), which takes its place only once every step has gone well. A full disk, a file size
// limit or an I/O error at any step leaves the previous file as it was.
namespace FXAtomicFile {

// None when the file now holds `data`; otherwise what went wrong ("cannot write
// /srv/rates.json: No space left on device").
std::optional<QString> write(const QString &path, const QByteArray &data);

}
