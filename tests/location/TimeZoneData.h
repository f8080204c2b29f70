#pragma once

#include <QFile>
#include <QTemporaryDir>

inline bool writeFile(const QString &path, const char *text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) >= 0;
}

// A time zone database whose older zone.tab still lists Europe/Amsterdam, a zone that
// zone1970.tab folds into Europe/Brussels.
struct TimeZoneData : QTemporaryDir {
    TimeZoneData()
    {
        writeFile(filePath(QStringLiteral("zone1970.tab")), "#codes\tcoordinates\tTZ\tcomments\n"
                                                            "FR,MC\t+4852+00220\tEurope/Paris\n");
        writeFile(filePath(QStringLiteral("zone.tab")), "NL\t+5222+00454\tEurope/Amsterdam\n");
    }
};
