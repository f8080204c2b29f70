#include "FXBordersGeocoder.h"

#include "FXCountryBorders.h"
#include "FXDispatch.h"

FXBordersGeocoder::FXBordersGeocoder(const FXCountryBorders *borders)
    : m_borders(borders)
{
}

void FXBordersGeocoder::reverseGeocodeLocation(const FXLocation &location,
                                               CompletionHandler completionHandler)
{
    if (!m_borders)
        m_borders = FXCountryBorders::bundled();

    QList<FXPlacemark> placemarks;
    std::optional<QString> error;
    if (!m_borders) {
        error = QStringLiteral("The country borders could not be read");
    } else if (auto code = m_borders->countryCodeAt(location.latitude, location.longitude)) {
        placemarks.append(FXPlacemark{std::move(code)});
    }
    FXDispatch::mainAsync([completionHandler = std::move(completionHandler),
                           placemarks = std::move(placemarks), error = std::move(error)] {
        completionHandler(placemarks, error);
    });
}
