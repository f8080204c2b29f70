#pragma once

#include "FXLocationService.h"
#include "FXReverseGeocoder.h"

#include <QString>

#include <memory>
#include <optional>

class FXNotificationCenter;
class FXUserDefaults;

// Posted by the location manager, with the manager as the object, when a fix lies in another
// country than the last one found. User info: {"countryCode": the new ISO 3166 alpha-2 code}.
inline const QString LocationDidChangeNotification = QStringLiteral("LocationDidChangeNotification");

// Finds out in which country the computer is and remembers the last country across launches.
// Each request ends with the first fix, which is reverse geocoded into a country. The country in
// force for the run (ISOCountryCode) is the remembered one until a fix finds another; the very
// first country ever found is only remembered, so it takes effect at the next launch.
//
// One instance per process, used on the main thread; tests build their own with the
// collaborators they need.
class FXLocationManager : public FXLocationServiceDelegate {
public:
    // The process's instance, over the group's store, the platform's positioning (with the time
    // zone to fall back on) and the bundled borders. Locating starts at once.
    static FXLocationManager &sharedManager();
    // `userDefaults` is the application group's store. Locating starts at once.
    FXLocationManager(FXUserDefaults &userDefaults, FXLocationService &locationManager,
                      FXReverseGeocoder &geocoder, FXNotificationCenter &center);
    ~FXLocationManager() override;
    FXLocationManager(const FXLocationManager &) = delete;
    FXLocationManager &operator=(const FXLocationManager &) = delete;

    // The country the last fix found, as remembered in the group's store: what a program that
    // does not locate (cambio-cli) takes as the country in force.
    static std::optional<QString> storedCountryCode(const FXUserDefaults &userDefaults);

    std::optional<QString> ISOCountryCode() const { return m_ISOCountryCode; }
    void setISOCountryCode(const std::optional<QString> &code) { m_ISOCountryCode = code; }
    FXLocationService &locationManager() const { return m_locationManager; }
    FXReverseGeocoder &geocoder() const { return m_geocoder; }

    // Asks for a fresh fix.
    void updateCurrentLocation();

    void locationManager(FXLocationService &manager, FXAuthorizationStatus status) override;
    void locationManager(FXLocationService &manager, const FXLocation &newLocation,
                         const std::optional<FXLocation> &oldLocation) override;
    void locationManager(FXLocationService &manager, const FXLocationError &error) override;

private:
    void geocoderDidFind(const QList<FXPlacemark> &placemarks);

    FXUserDefaults &m_userDefaults;
    FXLocationService &m_locationManager;
    FXReverseGeocoder &m_geocoder;
    FXNotificationCenter &m_center;
    std::optional<QString> m_ISOCountryCode;
    // Geocoding answers arrive later; they hold a weak reference to this, so an answer that
    // arrives after the manager is gone finds nothing to update.
    std::shared_ptr<FXLocationManager *> m_self;
};
