#pragma once

#include <QString>
#include <QStringList>

// The texts the program shows, looked up by key in the installed translations. A key without a
// translation shows as the key itself.
namespace FXLocalizedString {

QString text(const char *key);

// The translation of a format key, with its one "%@" placeholder filled by `argument`.
QString format(const char *key, const QString &argument);

// The languages the user reads, most wanted first, as gettext chooses them: the locale of messages
// is LC_ALL, else LC_MESSAGES, else LANG; unless it is C or POSIX, LANGUAGE (a colon-separated
// list) takes its place. Each name without its codeset and modifier, a language with a region
// followed by the language alone ("pt_BR", "pt"). Empty when the texts are the program's own
// (English). The number format is another matter (LC_NUMERIC, or the user's choice in the
// preferences) and never changes the language.
QStringList languagesFromEnvironment();

}
