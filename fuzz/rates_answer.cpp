// A rates server's answer read into the rates document that follows a small table in force. A
// document that is taken must be storable and read back from its stored form with the same
// currencies at the very same rates; it keeps every currency of the table in force, and every rate
// it holds is usable.
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
    static const FXRatesDocument inForce(QVariantMap{
        {QStringLiteral("CurrencyRates"),
         QVariantMap{{QStringLiteral("USD"), QVariantMap{{QStringLiteral("from_base"), 1.0},
                                                        {QStringLiteral("to_base"), 1.0}}},
                     {QStringLiteral("CHF"), QVariantMap{{QStringLiteral("from_base"), 0.8},
                                                        {QStringLiteral("to_base"), 1.25}}}}}});
    const FXServerRates answer = FXRatesDocument::fromServerResponse(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), date,
        QDateTime(), &inForce);
    if (!answer.document)
        return 0;
    const FXRatesDocument &document = *answer.document;
    for (auto it = document.rates().cbegin(); it != document.rates().cend(); ++it) {
        if (!FXRateEntries::isCurrencyCode(it.key()) || !it->isUsable())
            std::abort();
    }
    if (!document.contains(QStringLiteral("USD")) || !document.contains(QStringLiteral("CHF")))
        std::abort();
    const auto stored = FXPropertyList::binaryData(document.propertyList());
    const auto read = stored ? FXPropertyList::readDictionary(*stored) : std::nullopt;
    if (!read || !sameRates(document, FXRatesDocument(*read)) || FXRatesDocument(*read).date() != date)
        std::abort();
    return 0;
}
