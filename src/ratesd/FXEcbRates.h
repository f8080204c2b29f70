#pragma once

#include "FXRateMap.h"

#include <QByteArray>

class FXCurrencyCodes;

// Reads the European Central Bank's reference rates (eurofxref-daily.xml): a rate in euros per
// currency for one day, turned into the dollar base. The rate of currency X from the dollar is
// EUR->X / EUR->USD, and its rate to the dollar the inverse of that; the euro itself is added at
// 1 / EUR->USD. The date is the day's publication, 16:00 in Frankfurt. A file of several days (the
// bank's 90-day history) gives its latest day.
//
// Only the bank's own layout counts, in its namespace: the envelope's Cube, its dated Cube children
// and their Cube children with a currency and a rate. A Cube anywhere else is not the day's. A day
// without a dollar rate within the bounds, or with a currency listed twice at different rates, is
// refused whole; an entry out of the bounds or with a code `codes` refuses on that day is dropped.
namespace FXEcbRates {

FXReadResult read(const QByteArray &xml, const FXCurrencyCodes &codes);

}
