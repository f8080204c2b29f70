// What a process pays for its first amounts: the locale's conventions loaded, one amount read as
// cambio-cli reads its argument, and the rows of the five default currencies written. Timing one
// run on a shared machine says little, so this is counted in instructions, repeatably:
//
//   valgrind --tool=callgrind --toggle-collect='*firstAmounts*' build/bench/model/first_amounts [LOCALE]

#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <QString>

#include <cstdio>

namespace {

// Not inlined, so that callgrind can count it alone.
[[gnu::noinline]] double firstAmounts(const QString &localeIdentifier, const QString &amount)
{
    FXLocale locale(localeIdentifier);
    const FXNumberFormatter formatter(locale);
    const double value = formatter.formattedNumberForInput(amount).value_or(0.0);
    double written = 0.0;
    for (const double rate : {1.0, 0.8802, 0.7554, 157.4773, 0.0000121})
        written += formatter.formattedStringForInput(value * rate).size();
    return written;
}

}

int main(int argc, char **argv)
{
    const QString locale = QString::fromLocal8Bit(argc > 1 ? argv[1] : "en_US");
    std::printf("%g\n", firstAmounts(locale, QStringLiteral("100")));
    return 0;
}
