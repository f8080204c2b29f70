#pragma once

#include "FXReverseGeocoder.h"

class FXCountryBorders;

// Reverse geocoding without a network: the country comes from the bundled country borders. A
// point on land gives one placemark with its country code; a point at sea gives none.
class FXBordersGeocoder : public FXReverseGeocoder {
public:
    // Without `borders`, the bundled ones, read on the first request.
    explicit FXBordersGeocoder(const FXCountryBorders *borders = nullptr);

    void reverseGeocodeLocation(const FXLocation &location,
                                CompletionHandler completionHandler) override;

private:
    const FXCountryBorders *m_borders;
};
