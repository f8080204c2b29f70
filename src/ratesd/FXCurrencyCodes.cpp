#include "FXCurrencyCodes.h"

#include "FXBaseRates.h"

#include <QFile>
#include <QTimeZone>

#include <unicode/ucurr.h>

namespace {

QSet<QString> neverServedCodes()
{
    QSet<QString> codes;
    QFile file(QStringLiteral(":/ratesd/never-served-codes.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return codes;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).section(u'#', 0, 0).trimmed();
        if (!line.isEmpty())
            codes.insert(line);
    }
    return codes;
}

}

const FXCurrencyCodes &FXCurrencyCodes::shared()
{
    static const FXCurrencyCodes codes = [] {
        const FXRateMap seed = FXBaseRates::read(FXBaseRates::seedPath()).rates().rates;
        return FXCurrencyCodes(QSet<QString>(seed.keyBegin(), seed.keyEnd()), neverServedCodes());
    }();
    return codes;
}

FXCurrencyCodes::FXCurrencyCodes(QSet<QString> seedCodes, QSet<QString> neverServed)
    : m_seedCodes(std::move(seedCodes))
    , m_neverServed(std::move(neverServed))
{
}

bool FXCurrencyCodes::isServable(const QString &code, const QDate &day) const
{
    if (m_seedCodes.contains(code))
        return true;
    if (code.size() != 3 || m_neverServed.contains(code) || !day.isValid())
        return false;
    const UChar isoCode[] = {code[0].unicode(), code[1].unicode(), code[2].unicode(), 0};
    // Noon of the day, so that a code withdrawn or introduced on that very day counts as ICU has it.
    const UDate moment = double(QDateTime(day, QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch());
    UErrorCode status = U_ZERO_ERROR;
    return ucurr_isAvailable(isoCode, moment, moment, &status) && U_SUCCESS(status);
}
