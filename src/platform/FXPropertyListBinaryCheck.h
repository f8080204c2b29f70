#pragma once

#include <QByteArrayView>

#include <cstdint>

// Whether libplist may be given a binary property list: FXPropertyList asks before every read.
//
// The binary form keeps its objects in a table; a container holds the table indexes of its
// members. libplist reads it by recursion, once for every reference: a document nested a hundred
// thousand levels deep exhausts the stack, and one whose objects refer many times to the same
// others unfolds into far more values than it has bytes. Here the object graph is walked once,
// with a stack of its own, and the document is refused when any value would sit deeper than
// `maximumDepth` below the root, when an object contains itself, when the values it unfolds
// into (counted `valueWeight` each, plus their bytes) weigh more than `maximumWeight`, or when
// its table or a container points outside the document. A string holding U+0000 is refused too:
// libplist would abort the program on such a dictionary key.
//
// Only the shape is checked: whether each value is well formed is left to libplist.
class FXPropertyListBinaryCheck {
public:
    FXPropertyListBinaryCheck() = delete;

    static constexpr int maximumDepth = 256;
    static constexpr std::uint64_t valueWeight = 64;
    static constexpr std::uint64_t maximumWeight = 16 * 1024 * 1024;

    static bool isBinary(QByteArrayView data);
    static bool isReadable(QByteArrayView data);
};
