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

namespace {

// The first of the variables that is set and not empty, as setlocale reads them.
QString firstSet(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// "C", "POSIX" and "C.UTF-8" all mean the program's own texts.
bool isPortableLocale(const QString &name)
{
    const QString language = name.section(u'.', 0, 0).section(u'@', 0, 0);
    return language.isEmpty() || language == u"C" || language == u"POSIX";
}

void appendLanguage(QStringList &languages, const QString &name)
{
    const QString bare = name.section(u'.', 0, 0).section(u'@', 0, 0);
    if (isPortableLocale(bare))
        return;
    for (const QString &language : {bare, bare.section(u'_', 0, 0)}) {
        if (!languages.contains(language))
            languages.append(language);
    }
}

}

QStringList languagesFromEnvironment()
{
    const QString messages = firstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    if (isPortableLocale(messages))
        return {};
    // As with gettext, a LANGUAGE list replaces the locale's language rather than adding to it.
    const QStringList names = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    QStringList languages;
    for (const QString &name : names.isEmpty() ? QStringList{messages} : names)
        appendLanguage(languages, name);
    return languages;
}

}
