#pragma once

#include <QString>

#include <optional>

// A point on the earth, in degrees (WGS 84).
struct FXLocation {
    double latitude = 0.0;
    double longitude = 0.0;
};

// What the user (or the system) allows the program to learn about its location. The values are
// fixed: delegates receive them as they are, and values beyond Authorized may appear.
enum class FXAuthorizationStatus : int {
    NotDetermined = 0,
    Restricted = 1,
    Denied = 2,
    Authorized = 3,
};

// Why no fix came, in words fit for the log.
struct FXLocationError {
    QString description;
};

class FXLocationService;

// Receives what a location service finds, on the thread that created the service.
class FXLocationServiceDelegate {
public:
    virtual ~FXLocationServiceDelegate() = default;

    virtual void locationManager(FXLocationService &manager, FXAuthorizationStatus status) = 0;
    // `oldLocation` is the fix delivered before this one, if any.
    virtual void locationManager(FXLocationService &manager, const FXLocation &newLocation,
                                 const std::optional<FXLocation> &oldLocation) = 0;
    virtual void locationManager(FXLocationService &manager, const FXLocationError &error) = 0;
};

// Locates the computer. Between startUpdatingLocation and stopUpdatingLocation it reports each new
// fix to its delegate; it never calls the delegate from inside start or stop.
class FXLocationService {
public:
    virtual ~FXLocationService() = default;

    virtual void startUpdatingLocation() = 0;
    virtual void stopUpdatingLocation() = 0;

    FXLocationServiceDelegate *delegate() const { return m_delegate; }
    void setDelegate(FXLocationServiceDelegate *delegate) { m_delegate = delegate; }

private:
    FXLocationServiceDelegate *m_delegate = nullptr;
};
