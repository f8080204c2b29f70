#pragma once

#include "FXRateMap.h"

#include <QByteArray>

// Reads the European Central Bank's reference rates (eurofxref-daily.xml): a rate in euros per
// currency for one day, turned into the dollar base. The rate of currency X from the dollar is
// EUR->X / EUR->USD, and its rate to the dollar the inverse of that; the euro itself is added at
// 1 / EUR->USD. The date is the day's publication, 16:00 in Frankfurt. A file of several days (the
// bank's 90-day history) gives its latest day.
namespace FXEcbRates {

FXReadResult read(const QByteArray &xml);

}
