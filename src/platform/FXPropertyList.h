#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// The one place where property lists (the rates document) meet Qt values; nothing else in the
// program touches libplist.
//
// Reading accepts the XML and the binary form. Dictionaries become QVariantMap, arrays
// QVariantList, strings QString, reals double, integers qlonglong, booleans bool, data QByteArray
// and dates QDateTime in UTC. A document whose root is not a dictionary, that is damaged, nested
// deeper than 256 levels or holds a value of another kind (a keyed archive's UID) reads as none.
//
// Writing produces the XML form and takes the same types, plus int, uint, qulonglong up to the
// largest qlonglong, float, QStringList and QVariantHash. Any other value (an invalid QVariant, the
// JSON null, a QDate, a string holding U+0000, a date before 1932-12-14 or after 2069-01-19) fails
// the whole write: a document is never written with some of its values silently missing.
//
// Dates are kept to the whole second, earlier second for a fraction: the XML form holds no more.
//
// libplist itself recurses through nesting where it reads the binary form and where it frees a
// document: one nested a hundred thousand levels deep, which nothing of ours writes, exhausts the
// stack inside libplist before the limit above applies.
//
// Every function may run on any thread, at the same time as others: libplist keeps no shared state
// between calls, and the numbers are read and written in the C locale on the calling thread only.
class FXPropertyList {
public:
    FXPropertyList() = delete;

    static std::optional<QVariantMap> readDictionary(const QByteArray &data);
    static std::optional<QVariantMap> readDictionaryFromFile(const QString &path);

    static std::optional<QByteArray> xmlData(const QVariantMap &dictionary);
    // Writes the XML form to a temporary file beside `path` that replaces `path` only once it is
    // complete, so that a crash or a full disk leaves the old file as it was.
    static bool writeDictionaryToFile(const QVariantMap &dictionary, const QString &path);
};
