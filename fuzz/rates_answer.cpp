// A rates server's answer read into a rates document. A document that is taken must be storable,
// and read back from its stored form it must hold the same currencies with the very same rates.
#include "FXPropertyList.h"
#include "FXRatesDocument.h"

#include <QTimeZone>

#include <cstdlib>
#include <cstring>

namespace {

bool sameRates(const FXRatesDocument &a, const FXRatesDocument &b)
{
    if (a.rates().size() != b.rates().size())
        return false;
    for (auto it = a.rates().cbegin(); it != a.rates().cend(); ++it) {
        const FXRate other = b.rate(it.key());
        if (!b.contains(it.key()) || std::memcmp(&it->fromBase, &other.fromBase, sizeof(double)) != 0
            || std::memcmp(&it->toBase, &other.toBase, sizeof(double)) != 0)
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QDateTime date(QDate(2026, 9, 29), QTime(12, 0), QTimeZone::utc());
    const auto document = FXRatesDocument::fromServerResponse(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), date);
    if (!document)
        return 0;
    const auto stored = FXPropertyList::binaryData(document->propertyList());
    const auto read = stored ? FXPropertyList::readDictionary(*stored) : std::nullopt;
    if (!read || !sameRates(*document, FXRatesDocument(*read)) || FXRatesDocument(*read).date() != date)
        std::abort();
    return 0;
}
