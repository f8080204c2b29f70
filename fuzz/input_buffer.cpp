// An input buffer, under the locale the first byte picks, fed the keys the other bytes stand for:
// digits of several scripts, the separator key, delete, and now and then an amount written in
// whole (from the next eight bytes). After every key the buffer holds an amount: it reads as a
// finite number with at most one separator, and a key typed never makes it more than two digits
// after the separator (an amount written in whole may have more: 0.00088).
#include "FXInput.h"
#include "FXNumberFormatter.h"
#include "FuzzLocales.h"

#include <QList>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

struct Buffer {
    explicit Buffer(const QString &identifier) : locale(identifier) {}
    FXLocale locale;
    FXNumberFormatter formatter{locale};
};

// The zero of the scripts a keyboard may type digits in: Latin, Arabic-Indic, Eastern
// Arabic-Indic, Devanagari, and mathematical bold, outside the Basic Multilingual Plane.
constexpr char32_t Zeros[] = {U'0', U'\u0660', U'\u06F0', U'\u0966', U'\U0001D7CE'};

// Characters, not UTF-16 units: a digit outside the Basic Multilingual Plane is one digit.
qsizetype fractionDigits(const QString &text, const QString &separator)
{
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? 0 : QStringView(text).mid(at + 1).toUcs4().size();
}

void check(const FXInput &input, const QString &before, bool typed)
{
    const QString text = input.inputString();
    const QString separator = input.numberDelimiter();
    const std::optional<double> value = input.formattedNumber();
    if (text.count(separator) > 1 || !value || !std::isfinite(*value))
        std::abort();
    const qsizetype digits = fractionDigits(text, separator);
    if (typed && digits > 2 && digits > fractionDigits(before, separator))
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    FXInput input(objectsForLocaleByte<Buffer>(data[0]).formatter);
    for (std::size_t i = 1; i < size; ++i) {
        const std::uint8_t key = data[i];
        const QString before = input.inputString();
        switch (key % 8) {
        case 0: case 1: case 2: case 3: {
            const unsigned choice = (key % 8) * 32 + (key >> 3);
            const char32_t digit = Zeros[choice / 10 % std::size(Zeros)] + choice % 10;
            input.appendNumber(QString::fromUcs4(&digit, 1));
            break;
        }
        case 4:
            input.appendDelimiter();
            break;
        case 5:
            input.removeLastCharacter();
            break;
        case 6:
            // A key that is no digit is ignored.
            input.appendNumber(QString(QChar(u'0' + 10 + (key >> 3))));
            break;
        case 7: {
            double value = 0;
            if (size - i - 1 < sizeof value)
                return 0;
            std::memcpy(&value, data + i + 1, sizeof value);
            i += sizeof value;
            input.setInput(value);
            break;
        }
        }
        check(input, before, key % 8 != 7);
    }
    return 0;
}
