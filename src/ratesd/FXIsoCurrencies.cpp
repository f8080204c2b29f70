#include "FXIsoCurrencies.h"

#include <unicode/ucurr.h>
#include <unicode/uenum.h>

#include <memory>

namespace {

void addCodes(QSet<QString> &codes, UCurrCurrencyType types)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UEnumeration, decltype(&uenum_close)> enumeration(
        ucurr_openISOCurrencies(types, &status), &uenum_close);
    if (U_FAILURE(status))
        return;
    int32_t length = 0;
    while (const char *code = uenum_next(enumeration.get(), &length, &status)) {
        if (U_FAILURE(status))
            return;
        codes.insert(QString::fromLatin1(code, length));
    }
}

}

namespace FXIsoCurrencies {

const QSet<QString> &currentCodes()
{
    // ICU's filters take every flag given as a condition, so common and uncommon codes are two
    // separate questions.
    static const QSet<QString> codes = [] {
        QSet<QString> result;
        addCodes(result, UCurrCurrencyType(UCURR_COMMON | UCURR_NON_DEPRECATED));
        addCodes(result, UCurrCurrencyType(UCURR_UNCOMMON | UCURR_NON_DEPRECATED));
        return result;
    }();
    return codes;
}

}
