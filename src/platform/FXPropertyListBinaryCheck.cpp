#include "FXPropertyListBinaryCheck.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

constexpr QByteArrayView magic("bplist00");
constexpr std::uint64_t trailerSize = 32;

// The object types of the binary form, in the high half of an object's first byte.
constexpr std::uint8_t uintType = 0x1, realType = 0x2, dateType = 0x3, dataType = 0x4, asciiType = 0x5,
                       unicodeType = 0x6, uidType = 0x8, arrayType = 0xA, setType = 0xC, dictionaryType = 0xD;

class ObjectGraph {
public:
    explicit ObjectGraph(QByteArrayView data)
        : m_bytes(reinterpret_cast<const std::uint8_t *>(data.data()))
        , m_size(std::uint64_t(data.size()))
    {
    }

    bool isReadable()
    {
        return readTrailer() && walkFromRoot();
    }

private:
    struct Object {
        std::uint64_t referencesAt = 0;     // where a container's member indexes start
        std::uint64_t referenceCount = 0;   // zero for everything but containers
        std::uint64_t weight = 0;
        bool isContainer = false;
    };
    // What an object unfolds into: how many levels sit below it, and what all its values weigh.
    struct Summary {
        int height = 0;
        std::uint64_t weight = 0;
    };
    struct Frame {
        std::uint64_t index;
        Object object;
        std::uint64_t next = 0;
        Summary summary;
    };
    struct Visit {
        bool done;
        Summary summary;
    };

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
            || !FXPropertyListBinaryCheck::isBinary(QByteArrayView(m_bytes, qsizetype(magic.size()))))
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

    // Objects live between the magic and the offset table, as libplist also demands.
    std::optional<Object> object(std::uint64_t index) const
    {
        const std::uint64_t start = unsignedAt(m_tableOffset + index * m_offsetSize, m_offsetSize);
        if (start < std::uint64_t(magic.size()) || start >= m_tableOffset)
            return std::nullopt;
        const std::uint8_t type = m_bytes[start] >> 4;
        std::uint64_t length = m_bytes[start] & 0xF;
        std::uint64_t position = start + 1;
        const bool isContainer = type == arrayType || type == setType || type == dictionaryType;
        if (length == 0xF && (isContainer || type == dataType || type == asciiType || type == unicodeType)) {
            // The length follows as an integer object of 1, 2, 4 or 8 bytes.
            if (position >= m_tableOffset || m_bytes[position] >> 4 != uintType)
                return std::nullopt;
            const std::uint64_t width = std::uint64_t(1) << (m_bytes[position] & 0xF);
            if (width > 8 || m_tableOffset - position - 1 < width)
                return std::nullopt;
            length = unsignedAt(position + 1, width);
            position += 1 + width;
        }
        const std::uint64_t room = m_tableOffset - position;
        if (isContainer) {
            const std::uint64_t references = type == dictionaryType ? 2 * length : length;
            if (length > room || references > room / m_referenceSize)
                return std::nullopt;
            return Object{position, references, FXPropertyListBinaryCheck::valueWeight, true};
        }
        std::uint64_t bytes = 0;   // booleans, and what libplist refuses
        if (type == dataType || type == asciiType)
            bytes = length;
        else if (type == unicodeType)
            bytes = length > room ? room + 1 : 2 * length;
        else if (type == uintType || type == realType)
            bytes = std::uint64_t(1) << length;
        else if (type == dateType)
            bytes = 8;
        else if (type == uidType)
            bytes = length + 1;
        if (bytes > room || ((type == asciiType || type == unicodeType) && holdsNull(position, bytes, type)))
            return std::nullopt;
        return Object{0, 0, FXPropertyListBinaryCheck::valueWeight + bytes, false};
    }

    // libplist keeps strings as C strings and asserts, as a dictionary key, that one holds no
    // U+0000: it would end the program.
    bool holdsNull(std::uint64_t position, std::uint64_t bytes, std::uint8_t type) const
    {
        const std::uint64_t unit = type == unicodeType ? 2 : 1;
        for (std::uint64_t i = 0; i + unit <= bytes; i += unit) {
            if (m_bytes[position + i] == 0 && (unit == 1 || m_bytes[position + i + 1] == 0))
                return true;
        }
        return false;
    }

    static bool add(Summary &container, const Summary &member)
    {
        container.height = std::max(container.height, member.height + 1);
        container.weight += member.weight;
        return container.height <= FXPropertyListBinaryCheck::maximumDepth
               && container.weight <= FXPropertyListBinaryCheck::maximumWeight;
    }

    // Depth first, each container summed up once however often it is referred to; a container
    // met again while it is still open contains itself.
    bool walkFromRoot()
    {
        const std::optional<Object> root = object(m_rootObject);
        if (!root)
            return false;
        std::vector<Frame> open{Frame{m_rootObject, *root, 0, Summary{0, root->weight}}};
        std::unordered_map<std::uint64_t, Visit> visited{{m_rootObject, Visit{false, {}}}};
        for (;;) {
            Frame &top = open.back();
            if (top.next == top.object.referenceCount) {
                const Summary summary = top.summary;
                visited[top.index] = Visit{true, summary};
                open.pop_back();
                if (open.empty())
                    return true;
                if (!add(open.back().summary, summary))
                    return false;
                continue;
            }
            const std::uint64_t index =
                unsignedAt(top.object.referencesAt + top.next++ * m_referenceSize, m_referenceSize);
            if (index >= m_objectCount)
                return false;
            if (const auto found = visited.find(index); found != visited.end()) {
                if (!found->second.done || !add(top.summary, found->second.summary))
                    return false;
                continue;
            }
            const std::optional<Object> member = object(index);
            if (!member)
                return false;
            if (!member->isContainer) {
                if (!add(top.summary, Summary{0, member->weight}))
                    return false;
                continue;
            }
            // Every container visited weighs at least valueWeight: this bounds the bookkeeping.
            if (open.size() > std::size_t(FXPropertyListBinaryCheck::maximumDepth)
                || visited.size() >= FXPropertyListBinaryCheck::maximumWeight / FXPropertyListBinaryCheck::valueWeight)
                return false;
            visited.emplace(index, Visit{false, {}});
            open.push_back(Frame{index, *member, 0, Summary{0, member->weight}});
        }
    }

    const std::uint8_t *m_bytes;
    std::uint64_t m_size;
    std::uint64_t m_offsetSize = 0;
    std::uint64_t m_referenceSize = 0;
    std::uint64_t m_objectCount = 0;
    std::uint64_t m_rootObject = 0;
    std::uint64_t m_tableOffset = 0;
};

}

bool FXPropertyListBinaryCheck::isBinary(QByteArrayView data)
{
    return data.startsWith(magic);
}

bool FXPropertyListBinaryCheck::isReadable(QByteArrayView data)
{
    return ObjectGraph(data).isReadable();
}
