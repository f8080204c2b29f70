// The country of a point, looked up in the bundled borders with a latitude and a longitude taken
// from the input's bytes: any double, NaN, infinities and points outside the earth's range
// included. A found country is a two-letter code.
#include "FXCountryBorders.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double coordinates[2] = {};
    if (size < sizeof coordinates)
        return 0;
    std::memcpy(coordinates, data, sizeof coordinates);
    const FXCountryBorders *borders = FXCountryBorders::bundled();
    if (!borders)
        std::abort();
    const std::optional<QString> country = borders->countryCodeAt(coordinates[0], coordinates[1]);
    if (country && country->size() != 2)
        std::abort();
    return 0;
}
