#pragma once

#include <QByteArrayView>
#include <QVariant>

#include <cstdint>
#include <optional>

// Reads the binary form of a property list into the Qt values FXPropertyList hands out.
//
// The binary form keeps its objects in a table; a container holds the table indexes of its
// members, and an object may be referred to many times. The object graph is walked once, with a
// stack of its own, and every object is read once: its value is shared by all that refer to it.
// The document is refused when any value would sit deeper than `maximumDepth` below the root,
// when an object contains itself, when the values it unfolds into (counted `valueWeight` each,
// plus their bytes) weigh more than `maximumWeight` (whoever walks or writes what was read meets
// every one of them), or when its table or a container points outside the document.
//
// Values of a kind that has no Qt value here (null, a keyed archive's UID) are refused, as are
// dictionary keys that are no text and texts that could not be written back as they were read:
// those holding U+0000 or half a surrogate pair.
class FXPropertyListBinaryReader {
public:
    FXPropertyListBinaryReader() = delete;

    static constexpr std::uint64_t valueWeight = 64;
    static constexpr std::uint64_t maximumWeight = 16 * 1024 * 1024;

    static bool isBinary(QByteArrayView data);
    // The root value, at depth 0; none when the document is damaged, nested too deep or too heavy.
    static std::optional<QVariant> read(QByteArrayView data, int maximumDepth);
};
