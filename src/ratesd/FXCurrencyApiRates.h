#pragma once

#include "FXRateMap.h"

#include <QByteArray>
#include <QSet>

// Reads the community currency API's table in the dollar base (currencies/usd.json):
//   {"date": "2026-09-29", "usd": {"eur": 0.85, "btc": 1.2e-05, "1inch": 4.1, ...}}
// Each value is the currency's rate from the dollar; its rate to the dollar is the inverse. The
// API also lists hundreds of tokens: only the codes in `wantedCodes` (upper case) are taken. The
// date is the day's start in UTC.
namespace FXCurrencyApiRates {

FXReadResult read(const QByteArray &json, const QSet<QString> &wantedCodes);

}
