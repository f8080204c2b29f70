#pragma once

#include "FXLocale.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// The locales a fuzz input picks from with its first byte: decimal point or comma, grouping by
// comma, full stop, narrow space or apostrophe, Indian grouping, and two locales that write numbers
// in their own digits.
inline constexpr std::array<const char *, 7> FuzzLocaleIdentifiers = {
    "en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "ar_EG", "fa_IR"};

// One `Objects` per locale, made on first use and kept for the whole run: building ICU formatters
// for every input would leave little time for the inputs. `Objects` is built from the identifier.
template <typename Objects>
Objects &objectsForLocaleByte(std::uint8_t byte)
{
    static std::array<std::unique_ptr<Objects>, FuzzLocaleIdentifiers.size()> made;
    const std::size_t index = byte % FuzzLocaleIdentifiers.size();
    if (!made[index])
        made[index] = std::make_unique<Objects>(QString::fromLatin1(FuzzLocaleIdentifiers[index]));
    return *made[index];
}
