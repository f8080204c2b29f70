#pragma once

#include <QSet>
#include <QString>

// The ISO 4217 codes that the system's ICU data counts as in use (metals, funds and drawing
// rights included), read once. Withdrawn codes are left out, as far as the ICU data knows.
namespace FXIsoCurrencies {

const QSet<QString> &currentCodes();

}
