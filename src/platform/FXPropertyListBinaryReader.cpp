#include "FXPropertyListBinaryReader.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <QVariantList>
#include <QVariantMap>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr QByteArrayView magic("bplist00");
constexpr std::uint64_t trailerSize = 32;
// Dates count seconds from 2001-01-01T00:00:00Z.
constexpr qint64 referenceDateInUnixSeconds = 978307200;
// Past a million years either way no date can be a four-digit year; the test is exact below that.
constexpr double farthestDateInSeconds = 3.2e13;

// The object types of the binary form, in the high half of an object's first byte.
constexpr std::uint8_t singleType = 0x0, uintType = 0x1, realType = 0x2, dateType = 0x3, dataType = 0x4,
                       asciiType = 0x5, unicodeType = 0x6, arrayType = 0xA, setType = 0xC, dictionaryType = 0xD;
// The low half of a single-byte object.
constexpr std::uint64_t falseValue = 0x8, trueValue = 0x9;

class Document {
public:
    Document(QByteArrayView data, int maximumDepth)
        : m_bytes(reinterpret_cast<const std::uint8_t *>(data.data()))
        , m_size(std::uint64_t(data.size()))
        , m_maximumDepth(maximumDepth)
    {
    }

    std::optional<QVariant> read()
    {
        if (!readTrailer())
            return std::nullopt;
        return walkFromRoot();
    }

private:
    struct Object {
        std::uint8_t type = 0;
        std::uint64_t length = 0;        // the low half of its first byte, or the length that follows
        std::uint64_t position = 0;      // where its contents (a container's member indexes) start
        std::uint64_t memberCount = 0;   // zero for everything but containers

        bool isContainer() const { return type == arrayType || type == setType || type == dictionaryType; }
    };
    // What an object unfolds into: how many levels sit below it, and what all its values weigh.
    struct Summary {
        int height = 0;
        std::uint64_t weight = 0;
    };
    // An object read, kept for every later reference to it.
    struct Value {
        Summary summary;
        QVariant value;
    };
    // A container being read: a dictionary's keys come before its values.
    struct Frame {
        std::uint64_t index;
        Object object;
        Summary summary;
        std::uint64_t next = 0;
        QVariantList list;
        QStringList keys;
        QVariantMap dictionary;
    };
    // What m_read holds for an object not read yet, and for a container still being read.
    static constexpr std::uint32_t unread = 0;
    static constexpr std::uint32_t open = std::numeric_limits<std::uint32_t>::max();

    // Big-endian, `width` of 1 to 8 bytes; the caller has checked that they lie inside.
    std::uint64_t unsignedAt(std::uint64_t position, std::uint64_t width) const
    {
        std::uint64_t value = 0;
        for (std::uint64_t i = 0; i < width; ++i)
            value = value << 8 | m_bytes[position + i];
        return value;
    }

    bool readTrailer()
    {
        if (m_size < std::uint64_t(magic.size()) + trailerSize
            || !FXPropertyListBinaryReader::isBinary(QByteArrayView(m_bytes, qsizetype(magic.size()))))
            return false;
        const std::uint64_t trailer = m_size - trailerSize;
        m_offsetSize = m_bytes[trailer + 6];
        m_referenceSize = m_bytes[trailer + 7];
        m_objectCount = unsignedAt(trailer + 8, 8);
        m_rootObject = unsignedAt(trailer + 16, 8);
        m_tableOffset = unsignedAt(trailer + 24, 8);
        return m_offsetSize >= 1 && m_offsetSize <= 8 && m_referenceSize >= 1 && m_referenceSize <= 8
               && m_objectCount >= 1 && m_rootObject < m_objectCount && m_tableOffset >= std::uint64_t(magic.size())
               && m_tableOffset < trailer && m_objectCount <= (trailer - m_tableOffset) / m_offsetSize;
    }

    // The bytes a value other than a container takes; none for the kinds that are refused.
    static std::optional<std::uint64_t> byteCount(const Object &object, std::uint64_t room)
    {
        switch (object.type) {
        case singleType:
            return 0;
        case uintType:   // 16 bytes only for values past the largest signed one of 8
            return object.length <= 4 ? std::optional(std::uint64_t(1) << object.length) : std::nullopt;
        case realType:   // float or double
            return object.length == 2 || object.length == 3 ? std::optional(std::uint64_t(1) << object.length)
                                                            : std::nullopt;
        case dateType:
            return object.length == 3 ? std::optional<std::uint64_t>(8) : std::nullopt;
        case dataType:
        case asciiType:
            return object.length;
        case unicodeType:
            return object.length <= room / 2 ? std::optional(2 * object.length) : std::nullopt;
        default:
            return std::nullopt;
        }
    }

    // Objects live between the magic and the offset table, as libplist also demands.
    std::optional<Object> object(std::uint64_t index) const
    {
        const std::uint64_t start = unsignedAt(m_tableOffset + index * m_offsetSize, m_offsetSize);
        if (start < std::uint64_t(magic.size()) || start >= m_tableOffset)
            return std::nullopt;
        Object object{std::uint8_t(m_bytes[start] >> 4), std::uint64_t(m_bytes[start] & 0xF), start + 1, 0};
        if (object.length == 0xF
            && (object.isContainer() || object.type == dataType || object.type == asciiType
                || object.type == unicodeType)) {
            // The length follows as an integer object of 1, 2, 4 or 8 bytes.
            if (object.position >= m_tableOffset || m_bytes[object.position] >> 4 != uintType)
                return std::nullopt;
            const unsigned widthExponent = m_bytes[object.position] & 0xF;
            const std::uint64_t width = std::uint64_t(1) << widthExponent;
            if (widthExponent > 3 || m_tableOffset - object.position - 1 < width)
                return std::nullopt;
            object.length = unsignedAt(object.position + 1, width);
            object.position += 1 + width;
        }
        const std::uint64_t room = m_tableOffset - object.position;
        if (object.isContainer()) {
            object.memberCount = object.type == dictionaryType ? 2 * object.length : object.length;
            if (object.length > room || object.memberCount > room / m_referenceSize)
                return std::nullopt;
            return object;
        }
        const std::optional<std::uint64_t> bytes = byteCount(object, room);
        if (!bytes || *bytes > room)
            return std::nullopt;
        return object;
    }

    double doubleAt(std::uint64_t position) const
    {
        return std::bit_cast<double>(unsignedAt(position, 8));
    }

    std::optional<QVariant> text(QString text) const
    {
        if (text.contains(QChar::Null) || !QStringView(text).isValidUtf16())
            return std::nullopt;
        return QVariant(std::move(text));
    }

    // Four-digit years only, whole seconds, the earlier second for a fraction: as the XML form.
    static std::optional<QVariant> date(double seconds)
    {
        if (!(std::abs(seconds) < farthestDateInSeconds))
            return std::nullopt;
        const QDateTime date = QDateTime::fromSecsSinceEpoch(
            qint64(std::floor(seconds)) + referenceDateInUnixSeconds, QTimeZone::utc());
        if (date.date().year() < 1000 || date.date().year() > 9999)
            return std::nullopt;
        return QVariant(date);
    }

    std::optional<QVariant> scalar(const Object &object) const
    {
        const char *contents = reinterpret_cast<const char *>(m_bytes + object.position);
        switch (object.type) {
        case singleType:
            if (object.length != falseValue && object.length != trueValue)
                return std::nullopt;   // null and fill
            return QVariant(object.length == trueValue);
        case uintType: {
            // Eight bytes are a signed number; sixteen carry a larger unsigned one in their low half.
            const std::uint64_t width = std::uint64_t(1) << object.length;
            const std::uint64_t kept = std::min<std::uint64_t>(width, 8);
            return QVariant(qlonglong(unsignedAt(object.position + width - kept, kept)));
        }
        case realType:
            if (object.length == 2)
                return QVariant(double(std::bit_cast<float>(std::uint32_t(unsignedAt(object.position, 4)))));
            return QVariant(doubleAt(object.position));
        case dateType:
            return date(doubleAt(object.position));
        case dataType:
            return QVariant(QByteArray(contents, qsizetype(object.length)));
        case asciiType:
            return text(QString::fromUtf8(contents, qsizetype(object.length)));
        case unicodeType: {
            QString units(qsizetype(object.length), Qt::Uninitialized);
            for (qsizetype i = 0; i < units.size(); ++i)
                units[i] = QChar(char16_t(unsignedAt(object.position + 2 * std::uint64_t(i), 2)));
            return text(std::move(units));
        }
        default:
            return std::nullopt;
        }
    }

    std::uint64_t scalarWeight(const Object &object) const
    {
        return FXPropertyListBinaryReader::valueWeight + *byteCount(object, m_tableOffset - object.position);
    }

    bool add(Summary &container, const Summary &member) const
    {
        container.height = std::max(container.height, member.height + 1);
        container.weight += member.weight;
        return container.height <= m_maximumDepth && container.weight <= FXPropertyListBinaryReader::maximumWeight;
    }

    // Every object read weighs at least valueWeight in the root: this bounds the bookkeeping.
    bool remember(std::uint64_t index, Value value)
    {
        if (m_values.size() >= FXPropertyListBinaryReader::maximumWeight / FXPropertyListBinaryReader::valueWeight)
            return false;
        m_values.push_back(std::move(value));
        m_read[index] = std::uint32_t(m_values.size());
        return true;
    }

    // The member that `frame` referred to last.
    bool take(Frame &frame, const Value &member) const
    {
        if (!add(frame.summary, member.summary))
            return false;
        const std::uint64_t position = frame.next - 1;
        if (frame.object.type != dictionaryType) {
            frame.list.append(member.value);
        } else if (position < frame.object.length) {
            if (member.value.typeId() != QMetaType::QString)
                return false;
            frame.keys.append(member.value.toString());
        } else {
            // The hint keeps reading sorted keys, the way they are written, linear.
            frame.dictionary.insert(frame.dictionary.cend(), frame.keys[qsizetype(position - frame.object.length)],
                                    member.value);
        }
        return true;
    }

    static Frame opened(std::uint64_t index, const Object &object)
    {
        Frame frame{index, object, Summary{0, FXPropertyListBinaryReader::valueWeight}, 0, {}, {}, {}};
        if (object.type == dictionaryType)
            frame.keys.reserve(qsizetype(object.length));
        else
            frame.list.reserve(qsizetype(object.length));
        return frame;
    }

    // Depth first; a container met again while it is still open contains itself.
    std::optional<QVariant> walkFromRoot()
    {
        const std::optional<Object> root = object(m_rootObject);
        if (!root)
            return std::nullopt;
        if (!root->isContainer())
            return scalar(*root);
        m_read.assign(m_objectCount, unread);
        m_read[m_rootObject] = open;
        std::vector<Frame> frames;
        frames.push_back(opened(m_rootObject, *root));
        for (;;) {
            Frame &top = frames.back();
            if (top.next == top.object.memberCount) {
                Value done{top.summary, top.object.type == dictionaryType ? QVariant(std::move(top.dictionary))
                                                                          : QVariant(std::move(top.list))};
                const std::uint64_t index = top.index;
                frames.pop_back();
                if (frames.empty())
                    return std::move(done.value);
                if (!remember(index, std::move(done)) || !take(frames.back(), m_values.back()))
                    return std::nullopt;
                continue;
            }
            const std::uint64_t index =
                unsignedAt(top.object.position + top.next++ * m_referenceSize, m_referenceSize);
            if (index >= m_objectCount || m_read[index] == open)
                return std::nullopt;
            if (m_read[index] != unread) {
                if (!take(top, m_values[m_read[index] - 1]))
                    return std::nullopt;
                continue;
            }
            const std::optional<Object> member = object(index);
            if (!member)
                return std::nullopt;
            if (member->isContainer()) {
                if (frames.size() > std::size_t(m_maximumDepth))
                    return std::nullopt;
                m_read[index] = open;
                frames.push_back(opened(index, *member));
                continue;
            }
            std::optional<QVariant> value = scalar(*member);
            if (!value || !remember(index, Value{Summary{0, scalarWeight(*member)}, std::move(*value)})
                || !take(top, m_values.back()))
                return std::nullopt;
        }
    }

    const std::uint8_t *m_bytes;
    std::uint64_t m_size;
    int m_maximumDepth;
    std::uint64_t m_offsetSize = 0;
    std::uint64_t m_referenceSize = 0;
    std::uint64_t m_objectCount = 0;
    std::uint64_t m_rootObject = 0;
    std::uint64_t m_tableOffset = 0;
    std::vector<std::uint32_t> m_read;   // per object: unread, open, or its place in m_values plus one
    std::vector<Value> m_values;
};

}

bool FXPropertyListBinaryReader::isBinary(QByteArrayView data)
{
    return data.startsWith(magic);
}

std::optional<QVariant> FXPropertyListBinaryReader::read(QByteArrayView data, int maximumDepth)
{
    return Document(data, maximumDepth).read();
}
