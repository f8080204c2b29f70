#include "FXQtLocationService.h"

#include <QGeoCoordinate>
#include <QMetaEnum>

FXQtLocationService::FXQtLocationService(std::unique_ptr<QGeoPositionInfoSource> source,
                                         FXTimeZoneLocator timeZone,
                                         std::chrono::milliseconds timeout)
    : m_source(std::move(source))
    , m_timeZone(std::move(timeZone))
    , m_authorizationStatus(m_source ? FXAuthorizationStatus::NotDetermined
                                     : FXAuthorizationStatus::Authorized)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeout);
    QObject::connect(&m_timeout, &QTimer::timeout, &m_context, [this] {
        stopSource();
        fallBackToTimeZone(QStringLiteral("no position arrived in time"));
    });
    if (m_source) {
        // Queued: some sources (Qt's NMEA simulation) answer from inside startUpdates(), and the
        // delegate must never hear anything from inside startUpdatingLocation.
        QObject::connect(m_source.get(), &QGeoPositionInfoSource::positionUpdated, &m_context,
                         [this](const QGeoPositionInfo &info) { sourceDidUpdate(info); },
                         Qt::QueuedConnection);
        QObject::connect(m_source.get(), &QGeoPositionInfoSource::errorOccurred, &m_context,
                         [this](QGeoPositionInfoSource::Error error) { sourceDidFail(error); },
                         Qt::QueuedConnection);
    }
}

FXQtLocationService::~FXQtLocationService()
{
    stopSource();
}

std::unique_ptr<QGeoPositionInfoSource> FXQtLocationService::createDefaultSource(
    const QString &desktopId)
{
    // GeoClue asks its agent for permission per application, which it knows by desktop file id.
    return std::unique_ptr<QGeoPositionInfoSource>(QGeoPositionInfoSource::createDefaultSource(
        {{QStringLiteral("desktopId"), desktopId}}, nullptr));
}

void FXQtLocationService::startUpdatingLocation()
{
    if (m_updating)
        return;
    m_updating = true;
    ++m_request;
    if (!m_source) {
        fallBackToTimeZone(QStringLiteral("there is no positioning source"));
        return;
    }
    m_timeout.start();
    m_sourceRunning = true;
    m_source->startUpdates();
}

void FXQtLocationService::stopUpdatingLocation()
{
    if (!m_updating)
        return;
    m_updating = false;
    stopSource();
}

void FXQtLocationService::stopSource()
{
    m_timeout.stop();
    // Sources complain when stopped twice.
    if (m_sourceRunning) {
        m_sourceRunning = false;
        m_source->stopUpdates();
    }
}

void FXQtLocationService::sourceDidUpdate(const QGeoPositionInfo &info)
{
    const QGeoCoordinate coordinate = info.coordinate();
    if (!m_updating || !coordinate.isValid())
        return;
    m_timeout.stop();
    changeAuthorizationStatus(FXAuthorizationStatus::Authorized);
    // The delegate may have stopped (or stopped and restarted) us on hearing about authorization.
    if (m_updating)
        deliver(FXLocation{coordinate.latitude(), coordinate.longitude()});
}

void FXQtLocationService::sourceDidFail(QGeoPositionInfoSource::Error error)
{
    if (!m_updating || error == QGeoPositionInfoSource::NoError)
        return;
    if (error == QGeoPositionInfoSource::AccessError) {
        stopUpdatingLocation();
        changeAuthorizationStatus(FXAuthorizationStatus::Denied);
        return;
    }
    stopSource();
    fallBackToTimeZone(QStringLiteral("the positioning source failed (%1)")
                           .arg(QString::fromLatin1(
                               QMetaEnum::fromType<QGeoPositionInfoSource::Error>().valueToKey(error))));
}

void FXQtLocationService::fallBackToTimeZone(const QString &reason)
{
    // Queued, so that the delegate hears nothing from inside startUpdatingLocation.
    QMetaObject::invokeMethod(&m_context, [this, reason, request = m_request] {
        if (!m_updating || request != m_request)
            return;
        if (const auto location = m_timeZone.location()) {
            deliver(*location);
            return;
        }
        stopUpdatingLocation();
        const QString zone = m_timeZone.zone();
        const QString zoneFailure = zone.isEmpty()
            ? QStringLiteral("no time zone is set")
            : u"the time zone \"" % zone % u"\" names no place";
        if (auto *delegate = this->delegate())
            delegate->locationManager(*this, FXLocationError{u"The computer could not be located: "
                                                             % reason % u", and " % zoneFailure});
    }, Qt::QueuedConnection);
}

void FXQtLocationService::changeAuthorizationStatus(FXAuthorizationStatus status)
{
    if (status == m_authorizationStatus)
        return;
    m_authorizationStatus = status;
    if (auto *delegate = this->delegate())
        delegate->locationManager(*this, status);
}

void FXQtLocationService::deliver(const FXLocation &location)
{
    const std::optional<FXLocation> oldLocation = std::exchange(m_lastLocation, location);
    if (auto *delegate = this->delegate())
        delegate->locationManager(*this, location, oldLocation);
}
