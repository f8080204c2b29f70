#include "FXBordersGeocoder.h"
#include "FXCountryBorders.h"
#include "ReadableName.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Place {
    const char *name;
    double latitude, longitude;
    const char *country;   // nullptr: no country
};

void PrintTo(const Place &place, std::ostream *out) { *out << place.name; }

}

class BundledBorders : public ::testing::TestWithParam<Place> {};

TEST_P(BundledBorders, FindTheCountryOfThePoint)
{
    const Place &p = GetParam();
    ASSERT_NE(FXCountryBorders::bundled(), nullptr);
    const auto country = p.country ? std::optional(QString::fromLatin1(p.country)) : std::nullopt;
    EXPECT_EQ(FXCountryBorders::bundled()->countryCodeAt(p.latitude, p.longitude), country);
}

INSTANTIATE_TEST_SUITE_P(World, BundledBorders, ::testing::Values(
    Place{"Canberra", -35.2809, 149.1300, "AU"},
    Place{"North Dakota, 6 km south of the 49th parallel", 48.95, -100.0, "US"},
    Place{"Manitoba, 6 km north of it", 49.05, -100.0, "CA"},
    // The smaller polygon wins over the one drawn around it, and a hole is not part of its ring.
    Place{"Llivia, inside France", 42.4646, 1.9806, "ES"},
    Place{"Busingen, a hole in Switzerland", 47.6967, 8.6897, "DE"},
    // FX and EA are no countries' codes: a part takes its group's code (Sark), else its country's.
    Place{"Paris, metropolitan France", 48.8566, 2.3522, "FR"},
    Place{"Sark, part of Guernsey", 49.4300, -2.3600, "GG"},
    Place{"Ceuta", 35.8894, -5.3213, "ES"},
    Place{"Mid-Atlantic", 15.0, -40.0, nullptr},
    Place{"No number", std::numeric_limits<double>::quiet_NaN(), 13.0, nullptr}), ReadableName());

TEST(BordersGeocoder, AnswersLaterWithThePlacemarkFound)
{
    FXBordersGeocoder geocoder;
    QList<FXPlacemark> found;
    geocoder.reverseGeocodeLocation({46.9480, 7.4474}, [&](const auto &placemarks, const auto &) { found = placemarks; });
    EXPECT_TRUE(found.isEmpty());
    ASSERT_TRUE(runUntil([&] { return !found.isEmpty(); }));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().ISOCountryCode, QStringLiteral("CH"));
}
