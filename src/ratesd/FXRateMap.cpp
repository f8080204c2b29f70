#include "FXRateMap.h"

#include <cmath>

namespace {

bool isPositiveAndFinite(double value)
{
    return std::isfinite(value) && value > 0.0;
}

}

namespace FXRates {

bool isServable(const QString &code, const FXRate &rate)
{
    return FXRateEntries::isCurrencyCode(code) && isWithinBounds(rate.fromBase) && isPositiveAndFinite(rate.toBase);
}

bool isWithinBounds(double fromBase)
{
    return fromBase >= smallestFromBase && fromBase <= largestFromBase;
}

FXRate fromBase(double fromBase)
{
    return {fromBase, 1.0 / fromBase};
}

FXRateMap servable(const FXRateMap &rates)
{
    FXRateMap result;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        if (isServable(it.key(), it.value()))
            result.insert(it.key(), it.value());
    }
    return result;
}

}

FXReadResult FXReadResult::success(FXDatedRates rates, QList<FXDatedRates> earlierDays)
{
    FXReadResult result;
    result.m_rates = std::move(rates);
    result.m_earlierDays = std::move(earlierDays);
    return result;
}

FXReadResult FXReadResult::failure(QString reason)
{
    FXReadResult result;
    result.m_failureReason = std::move(reason);
    return result;
}
