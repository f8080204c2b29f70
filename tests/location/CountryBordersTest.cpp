#include "FXBordersGeocoder.h"
#include "FXCountryBorders.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <limits>

TEST(BundledBorders, FindTheCountryOfThePoint)
{
    ASSERT_NE(FXCountryBorders::bundled(), nullptr);
    const struct { const char *name; double latitude, longitude; const char *country; } places[] = {
        {"Canberra", -35.2809, 149.1300, "AU"},
        {"North Dakota, 6 km south of the 49th parallel", 48.95, -100.0, "US"},
        {"Manitoba, 6 km north of it", 49.05, -100.0, "CA"},
        // The smaller polygon wins over the one drawn around it, and a hole is not part of its ring.
        {"Llivia, inside France", 42.4646, 1.9806, "ES"},
        {"Busingen, a hole in Switzerland", 47.6967, 8.6897, "DE"},
        // FX and EA are no countries' codes: a part takes its group's code (Sark), else its country's.
        {"Paris, metropolitan France", 48.8566, 2.3522, "FR"},
        {"Sark, part of Guernsey", 49.4300, -2.3600, "GG"},
        {"Ceuta", 35.8894, -5.3213, "ES"},
        {"Mid-Atlantic", 15.0, -40.0, nullptr},
        {"No number", std::numeric_limits<double>::quiet_NaN(), 13.0, nullptr}};
    for (const auto &p : places) {
        const auto country = p.country ? std::optional(QString::fromLatin1(p.country)) : std::nullopt;
        EXPECT_EQ(FXCountryBorders::bundled()->countryCodeAt(p.latitude, p.longitude), country) << p.name;
    }
}

TEST(BordersGeocoder, AnswersLaterWithThePlacemarkFound)
{
    FXBordersGeocoder geocoder;
    QList<FXPlacemark> found;
    geocoder.reverseGeocodeLocation({46.9480, 7.4474},
                                    [&](const auto &placemarks, const auto &) { found = placemarks; });
    EXPECT_TRUE(found.isEmpty());
    ASSERT_TRUE(runUntil([&] { return !found.isEmpty(); }));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().ISOCountryCode, QStringLiteral("CH"));
}
