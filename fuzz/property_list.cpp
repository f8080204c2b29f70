// Bytes read as a property list, in either form. Whatever reads and can be stored must read back
// from its stored form as the same values. (The stored bytes themselves may differ from one write
// to the next: libplist shares equal containers by their addresses' hashes.)
#include "FXPropertyList.h"

#include <QDebug>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = FXPropertyList::readDictionary(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto stored = read ? FXPropertyList::binaryData(*read) : std::nullopt;
    if (!stored)
        return 0;
    // The debug text names every value's type and tells NaN, -0 and time zones apart.
    const auto again = FXPropertyList::readDictionary(*stored);
    if (!again || QDebug::toString(*again) != QDebug::toString(*read))
        std::abort();
    return 0;
}
