// The edit check of an amount field, under the locale the first byte picks, given the field's
// whole proposed text. An accepted text holds at most one separator with at most two digits after
// it, and the cleaned copy that replaces a refused text is itself accepted.
#include "FXCurrencyInputFormatter.h"
#include "FXNotificationCenter.h"
#include "FuzzLocales.h"

#include <cstdlib>

namespace {

struct Field {
    explicit Field(const QString &identifier) : locale(identifier, &center) {}
    FXNotificationCenter center;
    FXLocale locale;
    FXCurrencyInputFormatter formatter{locale, center};
};

bool isAmountText(const QString &text, QChar separator)
{
    const qsizetype position = text.indexOf(separator);
    return position < 0 || (text.count(separator) == 1 && text.size() - position - 1 <= 2);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const FXCurrencyInputFormatter &formatter = objectsForLocaleByte<Field>(data[0]).formatter;
    const QString proposed = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QString replacement;
    if (formatter.isPartialStringValid(proposed, &replacement)) {
        if (!isAmountText(proposed, formatter.decimalSeparator()))
            std::abort();
        return 0;
    }
    QString again;
    if (!formatter.isPartialStringValid(replacement, &again) || !isAmountText(replacement, formatter.decimalSeparator()))
        std::abort();
    return 0;
}
