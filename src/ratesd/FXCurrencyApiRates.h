#pragma once

#include "FXRateMap.h"

#include <QByteArray>

class FXCurrencyCodes;

// Reads the community currency API's table in the dollar base (currencies/usd.json):
//   {"date": "2026-09-29", "usd": {"eur": 0.85, "btc": 1.2e-05, "1inch": 4.1, ...}}
// Each value is the currency's rate from the dollar; its rate to the dollar is the inverse. The
// API also lists hundreds of tokens: only the codes (upper-cased) that `codes` serves on the
// answer's date are taken, and values out of the bounds are dropped. The date is the day's start
// in UTC.
//
// An answer is refused whole when it has no valid date, when it gives the dollar any rate but 1
// (it would move every other currency), or when it lists a currency twice at different rates, in
// whatever case: which of the two is right cannot be told.
namespace FXCurrencyApiRates {

FXReadResult read(const QByteArray &json, const FXCurrencyCodes &codes);

}
