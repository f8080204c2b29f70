#pragma once

#include <QFile>
#include <QTemporaryDir>

// A small time zone database: a zone1970.tab of zones in use and a zone.tab that still lists
// Europe/Amsterdam, which zone1970.tab folds into Europe/Brussels.
class TimeZoneData {
public:
    TimeZoneData()
    {
        write(QStringLiteral("zone1970.tab"),
              "# tzdb timezone descriptions\n"
              "#codes\tcoordinates\tTZ\tcomments\n"
              "BE,LU,NL\t+5050+00420\tEurope/Brussels\n"
              "FR,MC\t+4852+00220\tEurope/Paris\n"
              "AQ\t-720041+0023206\tAntarctica/Troll\tTroll\n"
              "JP,AU\t+353916+1394441\tAsia/Tokyo\n");
        write(QStringLiteral("zone.tab"),
              "# tzdb timezone descriptions (deprecated version)\n"
              "BE\t+5050+00420\tEurope/Brussels\n"
              "FR\t+4852+00220\tEurope/Paris\n"
              "NL\t+5222+00454\tEurope/Amsterdam\n");
    }

    QString path() const { return m_folder.path(); }

private:
    void write(const QString &name, const char *text)
    {
        QFile file(m_folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }

    QTemporaryDir m_folder;
};
