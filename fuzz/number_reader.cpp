// Pasted or edited text read as an amount, under the locale the first byte picks. What reads must
// be a finite number, and that amount written into an input buffer must read again.
#include "FXNumberFormatter.h"
#include "FuzzLocales.h"

#include <cmath>
#include <cstdlib>

namespace {

struct Reader {
    explicit Reader(const QString &identifier) : locale(identifier) {}
    FXLocale locale;
    FXNumberFormatter formatter{locale};
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const FXNumberFormatter &formatter = objectsForLocaleByte<Reader>(data[0]).formatter;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::optional<double> value = formatter.formattedNumberForPasteboard(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort();
    if (!formatter.formattedNumberForInput(formatter.formattedStringForInput(*value)))
        std::abort();
    return 0;
}
