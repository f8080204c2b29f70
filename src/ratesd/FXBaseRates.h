#pragma once

#include "FXRateMap.h"

#include <QString>

// Reads the base table, the rates served for every currency that no live source has: by default
// the program's copy of the converter's seed document. A file may replace it, either a rates
// document (a property list {"CurrencyRates": {...}, "Date": date}) or the server's own JSON answer
// (written by --once), whose date is then the file's modification time.
namespace FXBaseRates {

QString seedPath();

FXReadResult read(const QString &path);

}
