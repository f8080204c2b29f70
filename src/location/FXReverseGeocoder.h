#pragma once

#include "FXLocationService.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What reverse geocoding knows about a place.
struct FXPlacemark {
    // ISO 3166-1 alpha-2, upper case.
    std::optional<QString> ISOCountryCode;
};

// Turns a location into the places found there.
class FXReverseGeocoder {
public:
    // An empty list when nothing was found; `error` describes why, when something went wrong.
    using CompletionHandler = std::function<void(const QList<FXPlacemark> &placemarks,
                                                 const std::optional<QString> &error)>;

    virtual ~FXReverseGeocoder() = default;

    // `completionHandler` runs later, on the main thread, never from inside this call.
    virtual void reverseGeocodeLocation(const FXLocation &location,
                                        CompletionHandler completionHandler) = 0;
};
