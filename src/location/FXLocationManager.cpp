#include "FXLocationManager.h"

#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QtGlobal>

namespace {

const QString LastCountryCodeKey = QStringLiteral("LocationLastCountryCode");

}

FXLocationManager::FXLocationManager(FXUserDefaults &userDefaults,
                                     FXLocationService &locationManager,
                                     FXReverseGeocoder &geocoder, FXNotificationCenter &center)
    : m_userDefaults(userDefaults)
    , m_locationManager(locationManager)
    , m_geocoder(geocoder)
    , m_center(center)
    , m_ISOCountryCode(storedCountryCode(userDefaults))
    , m_self(std::make_shared<FXLocationManager *>(this))
{
    m_locationManager.setDelegate(this);
    updateCurrentLocation();
}

std::optional<QString> FXLocationManager::storedCountryCode(const FXUserDefaults &userDefaults)
{
    return userDefaults.stringForKey(LastCountryCodeKey);
}

FXLocationManager::~FXLocationManager()
{
    if (m_locationManager.delegate() == this)
        m_locationManager.setDelegate(nullptr);
}

void FXLocationManager::updateCurrentLocation()
{
    m_locationManager.stopUpdatingLocation();
    m_locationManager.startUpdatingLocation();
}

void FXLocationManager::locationManager(FXLocationService &manager, FXAuthorizationStatus status)
{
    switch (status) {
    case FXAuthorizationStatus::NotDetermined:
        // Starting is what makes the system ask the user; the answer comes back as a new status.
        manager.startUpdatingLocation();
        manager.stopUpdatingLocation();
        break;
    case FXAuthorizationStatus::Authorized:
        manager.startUpdatingLocation();
        break;
    default:
        break;
    }
}

void FXLocationManager::locationManager(FXLocationService &manager, const FXLocation &newLocation,
                                        const std::optional<FXLocation> &)
{
    manager.stopUpdatingLocation();
    m_geocoder.reverseGeocodeLocation(
        newLocation, [self = std::weak_ptr(m_self)](const QList<FXPlacemark> &placemarks,
                                                    const std::optional<QString> &) {
            if (const auto manager = self.lock())
                (*manager)->geocoderDidFind(placemarks);
        });
}

void FXLocationManager::locationManager(FXLocationService &, const FXLocationError &error)
{
    qWarning("%s", qUtf8Printable(error.description));
}

void FXLocationManager::geocoderDidFind(const QList<FXPlacemark> &placemarks)
{
    // A place without a country code tells nothing about the country, and the rest of the program
    // expects ISOCountryCode to be a code or nothing.
    if (placemarks.isEmpty() || !placemarks.first().ISOCountryCode)
        return;
    const QString country = *placemarks.first().ISOCountryCode;
    const std::optional<QString> last = storedCountryCode(m_userDefaults);
    if (last && *last != country) {
        m_ISOCountryCode = country;
        m_center.postNotification(LocationDidChangeNotification, this,
                                  {{QStringLiteral("countryCode"), country}});
    }
    m_userDefaults.setObject(country, LastCountryCodeKey);
}
