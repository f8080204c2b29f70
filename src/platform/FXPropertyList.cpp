#include "FXPropertyList.h"

#include "FXPropertyListBinaryReader.h"
#include "FXPropertyListXmlReader.h"
#include "FXRegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimeZone>
#include <QVariantList>

#include <plist/plist.h>

#include <cerrno>
#include <ctime>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A value may sit this many levels below the root dictionary, and no deeper.
constexpr int maximumDepth = 256;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPointer = std::unique_ptr<void, PlistDeleter>;

PlistPointer dateNode(const QDateTime &date)
{
    if (!date.isValid())
        return nullptr;
    // Rounded down, not towards zero, so that a date before 1970 never moves later.
    const qint64 milliseconds = date.toMSecsSinceEpoch();
    const qint64 seconds = milliseconds / 1000 - (milliseconds % 1000 < 0 ? 1 : 0);
    const QDateTime second = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
    // Four-digit years only: libplist writes a shorter year without its leading zeros.
    if (second.date().year() < 1000 || second.date().year() > 9999)
        return nullptr;
    const QByteArray xml = "<plist><date>" + second.toString(Qt::ISODate).toLatin1() + "</date></plist>";
    plist_t node = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &node);
    PlistPointer owned(node);
    if (!node || plist_get_node_type(node) != PLIST_DATE)
        return nullptr;
    return owned;
}

PlistPointer nodeFromVariant(const QVariant &value, int depth);

PlistPointer arrayFromList(const QVariantList &list, int depth)
{
    PlistPointer array(plist_new_array());
    for (const QVariant &item : list) {
        PlistPointer node = nodeFromVariant(item, depth + 1);
        if (!node)
            return nullptr;
        plist_array_append_item(array.get(), node.release());
    }
    return array;
}

template <typename Map>
PlistPointer dictionaryFromMap(const Map &map, int depth)
{
    PlistPointer dictionary(plist_new_dict());
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        PlistPointer node = nodeFromVariant(entry.value(), depth + 1);
        if (!node || entry.key().contains(QChar::Null))
            return nullptr;
        plist_dict_set_item(dictionary.get(), entry.key().toUtf8().constData(), node.release());
    }
    return dictionary;
}

PlistPointer nodeFromVariant(const QVariant &value, int depth)
{
    if (depth > maximumDepth)
        return nullptr;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return PlistPointer(plist_new_bool(value.toBool()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return PlistPointer(plist_new_uint(static_cast<uint64_t>(value.toLongLong())));
    case QMetaType::ULongLong:
        // libplist would write a larger one back as a negative number.
        if (value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()))
            return nullptr;
        return PlistPointer(plist_new_uint(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return PlistPointer(plist_new_real(value.toDouble()));
    case QMetaType::QString: {
        const QString text = value.toString();
        // libplist keeps C strings: the text would end at the first U+0000.
        if (text.contains(QChar::Null))
            return nullptr;
        return PlistPointer(plist_new_string(text.toUtf8().constData()));
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return PlistPointer(plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size())));
    }
    case QMetaType::QDateTime:
        return dateNode(value.toDateTime());
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return arrayFromList(value.toList(), depth);
    case QMetaType::QVariantMap:
        return dictionaryFromMap(value.toMap(), depth);
    case QMetaType::QVariantHash:
        return dictionaryFromMap(value.toHash(), depth);
    default:
        return nullptr;
    }
}

// A new file beside `path`, created like any new file (0666 less the umask), open for writing.
int createFileBeside(const QByteArray &path, QByteArray *name)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        *name = path + ".new-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int descriptor = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Removes what writes to `path` that were killed mid-way left beside it: its temporary files
// older than a minute. A write takes milliseconds, so none of them is still being written.
void removeLeftoversBeside(const QByteArray &path)
{
    const QFileInfo document(QFile::decodeName(path));
    const QString prefix = document.fileName() + QStringLiteral(".new-");
    const QDir folder = document.dir();
    const time_t minuteAgo = ::time(nullptr) - 60;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::NoSort)) {
        if (!name.startsWith(prefix))
            continue;
        const QByteArray leftover = QFile::encodeName(folder.filePath(name));
        struct stat entry {};
        if (::lstat(leftover.constData(), &entry) == 0 && S_ISREG(entry.st_mode) && entry.st_mtime < minuteAgo)
            ::unlink(leftover.constData());
    }
}

bool writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

}

std::optional<QVariantMap> FXPropertyList::readDictionary(const QByteArray &data)
{
    const std::optional<QVariant> root = FXPropertyListBinaryReader::isBinary(data)
                                             ? FXPropertyListBinaryReader::read(data, maximumDepth)
                                             : FXPropertyListXmlReader::read(data, maximumDepth);
    if (!root || root->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return root->toMap();
}

std::optional<QVariantMap> FXPropertyList::readDictionaryFromFile(const QString &path)
{
    const std::optional<QByteArray> contents = FXRegularFile::contents(path, maximumFileSize);
    if (!contents)
        return std::nullopt;
    return readDictionary(*contents);
}

std::optional<QByteArray> FXPropertyList::binaryData(const QVariantMap &dictionary)
{
    const PlistPointer root = dictionaryFromMap(dictionary, 0);
    if (!root)
        return std::nullopt;

    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bytes, &length);
    if (!bytes)
        return std::nullopt;
    QByteArray result(bytes, static_cast<qsizetype>(length));
    plist_to_bin_free(bytes);
    return result;
}

bool FXPropertyList::writeDictionaryToFile(const QVariantMap &dictionary, const QString &path)
{
    const std::optional<QByteArray> bytes = binaryData(dictionary);
    if (!bytes)
        return false;

    const QByteArray target = QFile::encodeName(path);
    std::optional<mode_t> keptMode;   // a replaced file's permissions stay
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0) {
        if (S_ISREG(existing.st_mode))
            keptMode = existing.st_mode & 07777;
        else if (!S_ISLNK(existing.st_mode))
            return false;
    } else if (errno != ENOENT) {
        return false;
    }

    removeLeftoversBeside(target);
    QByteArray temporary;
    const int descriptor = createFileBeside(target, &temporary);
    if (descriptor < 0)
        return false;
    // The document reaches the disk before it takes the old one's place: after a crash the path
    // holds either the old document or the new one, never a part.
    const bool written = writeAll(descriptor, *bytes) && (!keptMode || ::fchmod(descriptor, *keptMode) == 0)
                         && ::fsync(descriptor) == 0;
    if (::close(descriptor) == 0 && written && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}
