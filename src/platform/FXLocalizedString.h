#pragma once

#include <QString>

// The texts the program shows, looked up by key in the installed translations. A key without a
// translation shows as the key itself.
namespace FXLocalizedString {

QString text(const char *key);

// The translation of a format key, with its one "%@" placeholder filled by `argument`.
QString format(const char *key, const QString &argument);

}
