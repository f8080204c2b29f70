#pragma once

#include "FXLocationService.h"
#include "FXTimeZoneLocator.h"

#include <QGeoPositionInfoSource>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

// Locates the computer with Qt Positioning (GeoClue on Linux desktops) and falls back to the
// system time zone's reference point when there is no positioning source, or the source fails or
// gives no fix in time. Create and use it on the main thread.
//
// Authorization follows the positioning source: it is not determined until the source gives a fix
// (authorized) or refuses access (denied). A refused request ends without a fix: the user said no,
// and the time zone would locate the computer behind their back. Without a source, the time zone
// needs no permission, so the service counts as authorized from the start.
class FXQtLocationService : public FXLocationService {
public:
    // Without a source, every fix comes from the time zone.
    FXQtLocationService(std::unique_ptr<QGeoPositionInfoSource> source, FXTimeZoneLocator timeZone,
                        std::chrono::milliseconds timeout = std::chrono::seconds(15));
    ~FXQtLocationService() override;

    // The platform's default positioning source for this application; none when Qt has no
    // positioning plugin.
    static std::unique_ptr<QGeoPositionInfoSource> createDefaultSource(const QString &desktopId);

    void startUpdatingLocation() override;
    void stopUpdatingLocation() override;

    FXAuthorizationStatus authorizationStatus() const { return m_authorizationStatus; }
    bool isUpdating() const { return m_updating; }

private:
    void sourceDidUpdate(const QGeoPositionInfo &info);
    void sourceDidFail(QGeoPositionInfoSource::Error error);
    void fallBackToTimeZone(const QString &reason);
    void stopSource();
    void changeAuthorizationStatus(FXAuthorizationStatus status);
    void deliver(const FXLocation &location);

    QObject m_context;   // ends every connection and queued call when the service goes
    std::unique_ptr<QGeoPositionInfoSource> m_source;
    FXTimeZoneLocator m_timeZone;
    QTimer m_timeout;
    FXAuthorizationStatus m_authorizationStatus;
    bool m_updating = false;
    bool m_sourceRunning = false;
    quint64 m_request = 0;   // tells a queued time-zone fix which request it belongs to
    std::optional<FXLocation> m_lastLocation;
};
