#include "FXLocalizedString.h"

#include <QCoreApplication>

namespace FXLocalizedString {

QString text(const char *key)
{
    return QCoreApplication::translate("Cambio", key);
}

QString format(const char *key, const QString &argument)
{
    QString result = text(key);
    const qsizetype placeholder = result.indexOf(u"%@");
    if (placeholder >= 0)
        result.replace(placeholder, 2, argument);
    return result;
}

}
