#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// The one place where property lists (the rates document) meet Qt values; nothing else in the
// program touches libplist, which writes them.
//
// Reading accepts the XML and the binary form. Dictionaries become QVariantMap, arrays
// QVariantList, strings QString, reals double, integers qlonglong, booleans bool, data QByteArray
// and dates QDateTime in UTC. A document whose root is not a dictionary, that is damaged, nested
// deeper than 256 levels or holds a value of another kind (a keyed archive's UID) reads as none.
//
// Writing takes the same types, plus int, uint, qulonglong up to the largest qlonglong, float,
// QStringList and QVariantHash. Any other value (an invalid QVariant, the JSON null, a QDate, a
// string holding U+0000, a date outside the years 1000 to 9999) fails the whole write: a document
// is never written with some of its values silently missing.
//
// Dates are kept to the whole second, earlier second for a fraction: the XML form holds no more.
//
// Both forms are read here, never by libplist's recursive code, and without recursion: the binary
// form by FXPropertyListBinaryReader, which refuses a document that is too deep, loops back on
// itself or would unfold (an object may be referred to many times) into more than a few MiB of
// values; the XML form by FXPropertyListXmlReader over QXmlStreamReader, which keeps its own stack.
//
// Every function may run on any thread, at the same time as others: libplist keeps no shared state
// between calls, and no number is read or written through the C library's locale.
class FXPropertyList {
public:
    FXPropertyList() = delete;

    // Larger files are not read: the rates document takes a few tens of KiB.
    static constexpr qint64 maximumFileSize = 4 * 1024 * 1024;

    static std::optional<QVariantMap> readDictionary(const QByteArray &data);
    // Reads a regular file, also through a symbolic link, of at most maximumFileSize bytes.
    // Anything else at `path` (a device, a FIFO, a folder) reads as none at once, without waiting
    // for a writer and without reading endless bytes. Paths starting with ':' name Qt resources.
    static std::optional<QVariantMap> readDictionaryFromFile(const QString &path);

    // The binary form, the one to store: it reads in a small part of the time of the XML form.
    static std::optional<QByteArray> binaryData(const QVariantMap &dictionary);
    // Writes the binary form to a temporary file beside `path` that then takes the place of the
    // directory entry `path`, so that a crash or a full disk leaves the old file as it was. A
    // symbolic link at `path` is replaced, never followed: its target is left alone. Fails without
    // touching anything when `path` is something other than a file or a link (a device, a FIFO,
    // a folder). True only when `path` then names a file that holds the document. Temporary files
    // that writes to `path` killed mid-way left beside it are removed once a minute old.
    static bool writeDictionaryToFile(const QVariantMap &dictionary, const QString &path);
};
