#pragma once

#include "FXLocationService.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Where the system's time zone places the computer: the reference point that the time zone
// database gives for the zone (the zone's principal city). Coarse, but it names the right country
// for most zones, and it is there when no positioning source is.
class FXTimeZoneLocator {
public:
    // Without a zone, the system's zone as it is at each look-up.
    explicit FXTimeZoneLocator(std::optional<QString> zone = std::nullopt,
                               QString zoneinfoDirectory = QStringLiteral("/usr/share/zoneinfo"));

    QString zone() const { return m_zone ? *m_zone : systemZone(); }
    QString zoneinfoDirectory() const { return m_zoneinfoDirectory; }

    // None when the zone is not in the database's tables (UTC, POSIX rule strings) or the tables
    // cannot be read.
    std::optional<FXLocation> location() const;

    // The zone that TZ names, else the one /etc/localtime links to, else the one /etc/timezone
    // names: "Europe/Paris". Empty when none is set.
    static QString systemZone(const QByteArray &tzVariable = qgetenv("TZ"),
                              const QString &etcDirectory = QStringLiteral("/etc"));

    // An ISO 6709 pair as the tables write it: ±DDMM±DDDMM or ±DDMMSS±DDDMMSS.
    static std::optional<FXLocation> parseCoordinates(QStringView text);

private:
    std::optional<QString> m_zone;
    QString m_zoneinfoDirectory;
};
