#include "FXPropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QTimeZone>
#include <QVariantList>

#include <plist/plist.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <memory>

namespace {

constexpr int maximumDepth = 256;

// libplist counts dates in seconds from 2001-01-01 00:00 UTC.
constexpr qint64 referenceDateInUnixSeconds = 978307200;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPointer = std::unique_ptr<void, PlistDeleter>;

// libplist reads reals with strtod, which follows LC_NUMERIC: under a locale with a decimal comma
// "3.6725" would read as 3. The C locale is put in force on this thread alone while libplist runs,
// which leaves the process's locale and every other thread alone.
class CLocaleOnThisThread {
public:
    CLocaleOnThisThread() : m_previous(uselocale(cLocale())) {}
    ~CLocaleOnThisThread() { uselocale(m_previous); }
    CLocaleOnThisThread(const CLocaleOnThisThread &) = delete;
    CLocaleOnThisThread &operator=(const CLocaleOnThisThread &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
        return locale;
    }

    locale_t m_previous;
};

std::optional<QVariant> variantFromNode(plist_t node, int depth);

// Walked with an iterator: libplist finds an item by index by counting from the first.
std::optional<QVariant> listFromArray(plist_t array, int depth)
{
    plist_array_iter iterator = nullptr;
    plist_array_new_iter(array, &iterator);
    const std::unique_ptr<void, decltype(&std::free)> ownedIterator(iterator, &std::free);

    QVariantList list;
    list.reserve(plist_array_get_size(array));
    for (;;) {
        plist_t item = nullptr;
        plist_array_next_item(array, iterator, &item);
        if (!item)
            return list;
        std::optional<QVariant> converted = variantFromNode(item, depth);
        if (!converted)
            return std::nullopt;
        list.append(std::move(*converted));
    }
}

std::optional<QVariantMap> mapFromDictionary(plist_t dictionary, int depth)
{
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(dictionary, &iterator);
    const std::unique_ptr<void, decltype(&std::free)> ownedIterator(iterator, &std::free);

    QVariantMap map;
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dictionary, iterator, &key, &value);
        const std::unique_ptr<char, decltype(&std::free)> ownedKey(key, &std::free);
        if (!value)
            return map;
        std::optional<QVariant> converted = variantFromNode(value, depth);
        if (!key || !converted)
            return std::nullopt;
        map.insert(QString::fromUtf8(key), std::move(*converted));
    }
}

QDateTime dateFromNode(plist_t node)
{
    int32_t seconds = 0;
    int32_t microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    return QDateTime::fromSecsSinceEpoch(referenceDateInUnixSeconds + seconds, QTimeZone::utc());
}

std::optional<QVariant> variantFromNode(plist_t node, int depth)
{
    if (depth >= maximumDepth)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return QVariant(value != 0);
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        // Negative integers arrive in two's complement.
        return QVariant(static_cast<qlonglong>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return QVariant(value);
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return QVariant(QString::fromUtf8(text, static_cast<qsizetype>(length)));
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char *bytes = plist_get_data_ptr(node, &length);
        return QVariant(QByteArray(bytes, static_cast<qsizetype>(length)));
    }
    case PLIST_DATE:
        return QVariant(dateFromNode(node));
    case PLIST_ARRAY:
        return listFromArray(node, depth + 1);
    case PLIST_DICT:
        if (std::optional<QVariantMap> map = mapFromDictionary(node, depth + 1))
            return QVariant(std::move(*map));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

PlistPointer nodeFromVariant(const QVariant &value, int depth);

PlistPointer arrayFromList(const QVariantList &list, int depth)
{
    PlistPointer array(plist_new_array());
    for (const QVariant &item : list) {
        PlistPointer node = nodeFromVariant(item, depth);
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
        PlistPointer node = nodeFromVariant(entry.value(), depth);
        if (!node || entry.key().contains(QChar::Null))
            return nullptr;
        plist_dict_set_item(dictionary.get(), entry.key().toUtf8().constData(), node.release());
    }
    return dictionary;
}

PlistPointer dateNode(const QDateTime &date)
{
    if (!date.isValid())
        return nullptr;
    const qint64 milliseconds = date.toMSecsSinceEpoch() - referenceDateInUnixSeconds * 1000;
    // Rounded down, not towards zero, so that a date before 2001 never moves later.
    const qint64 seconds = milliseconds >= 0 ? milliseconds / 1000 : -((-milliseconds + 999) / 1000);
    if (seconds < std::numeric_limits<int32_t>::min() || seconds > std::numeric_limits<int32_t>::max())
        return nullptr;
    return PlistPointer(plist_new_date(static_cast<int32_t>(seconds), 0));
}

PlistPointer nodeFromVariant(const QVariant &value, int depth)
{
    if (depth >= maximumDepth)
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
        return arrayFromList(value.toList(), depth + 1);
    case QMetaType::QVariantMap:
        return dictionaryFromMap(value.toMap(), depth + 1);
    case QMetaType::QVariantHash:
        return dictionaryFromMap(value.toHash(), depth + 1);
    default:
        return nullptr;
    }
}

}

std::optional<QVariantMap> FXPropertyList::readDictionary(const QByteArray &data)
{
    if (data.isEmpty() || data.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;

    const CLocaleOnThisThread cLocale;
    plist_t root = nullptr;
    plist_from_memory(data.constData(), static_cast<uint32_t>(data.size()), &root);
    const PlistPointer ownedRoot(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return std::nullopt;
    return mapFromDictionary(root, 0);
}

std::optional<QVariantMap> FXPropertyList::readDictionaryFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDictionary(file.readAll());
}

std::optional<QByteArray> FXPropertyList::xmlData(const QVariantMap &dictionary)
{
    const CLocaleOnThisThread cLocale;
    const PlistPointer root = dictionaryFromMap(dictionary, 0);
    if (!root)
        return std::nullopt;

    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    if (!xml)
        return std::nullopt;
    QByteArray result(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return result;
}

bool FXPropertyList::writeDictionaryToFile(const QVariantMap &dictionary, const QString &path)
{
    const std::optional<QByteArray> xml = xmlData(dictionary);
    if (!xml)
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write (a full disk) is remembered, and commit() then throws the temporary file away.
    file.write(*xml);
    return file.commit();
}
