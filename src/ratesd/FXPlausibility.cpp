#include "FXPlausibility.h"

#include <algorithm>

namespace FXPlausibility {

bool agree(double a, double b, double ratio)
{
    return std::max(a, b) <= std::min(a, b) * ratio;
}

FXScreenedRates screen(const FXDatedRates &answer, const FXRateMap &previous, const FXHeldRates &held,
                       const FXRateMap &served, const QList<FXRateMap> &others, bool trusted)
{
    FXScreenedRates result;
    for (auto it = answer.rates.cbegin(); it != answer.rates.cend(); ++it) {
        const QString &code = it.key();
        const double given = it->fromBase;
        const auto servedRate = served.constFind(code);
        const bool plausible = trusted || servedRate == served.cend()
                               || agree(given, servedRate->fromBase, factor)
                               || std::any_of(others.cbegin(), others.cend(), [&](const FXRateMap &other) {
                                      const auto rate = other.constFind(code);
                                      return rate != other.cend() && agree(given, rate->fromBase);
                                  });
        if (plausible) {
            result.accepted.insert(code, *it);
            continue;
        }

        FXHeldRate holding = held.value(code);
        if (holding.days > 0 && agree(given, holding.fromBase)) {
            if (answer.date > holding.lastSeen) {
                ++holding.days;
                holding.lastSeen = answer.date;
            }
        } else {
            holding = {given, answer.date.date(), answer.date, 1};
        }
        if (holding.days >= releaseDays) {
            result.accepted.insert(code, *it);
            continue;
        }
        result.held.insert(code, holding);
        if (const auto kept = previous.constFind(code); kept != previous.cend())
            result.accepted.insert(code, *kept);
    }
    return result;
}

}
