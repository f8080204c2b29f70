#include "EventLoop.h"
#include "FXBordersGeocoder.h"
#include "FXCountryBorders.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Place {
    const char *name;
    double latitude;
    double longitude;
    const char *country;   // nullptr: no country
};

void PrintTo(const Place &place, std::ostream *out) { *out << place.name; }

}

class BundledBordersLookup : public ::testing::TestWithParam<Place> {};

TEST_P(BundledBordersLookup, FindsTheCountryOfThePoint)
{
    const Place place = GetParam();
    const FXCountryBorders *borders = FXCountryBorders::bundled();
    ASSERT_NE(borders, nullptr);
    const auto code = borders->countryCodeAt(place.latitude, place.longitude);
    if (place.country) {
        EXPECT_EQ(code, QString::fromLatin1(place.country));
    } else {
        EXPECT_EQ(code, std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(Capitals, BundledBordersLookup, ::testing::Values(
    Place{"Berlin", 52.5200, 13.4050, "DE"},
    Place{"Moscow", 55.7558, 37.6173, "RU"},
    Place{"Washington", 38.9072, -77.0369, "US"},
    Place{"Canberra", -35.2809, 149.1300, "AU"},
    Place{"Bern", 46.9480, 7.4474, "CH"}));

INSTANTIATE_TEST_SUITE_P(NearBorders, BundledBordersLookup, ::testing::Values(
    Place{"North Dakota, 6 km south of the 49th parallel", 48.95, -100.0, "US"},
    Place{"Manitoba, 6 km north of the 49th parallel", 49.05, -100.0, "CA"},
    Place{"Strasbourg", 48.5734, 7.7521, "FR"},
    Place{"Offenburg, across the Rhine", 48.4735, 7.9498, "DE"},
    Place{"Geneva", 46.2044, 6.1432, "CH"},
    Place{"Annemasse, across the border", 46.1934, 6.2342, "FR"}));

INSTANTIATE_TEST_SUITE_P(Enclaves, BundledBordersLookup, ::testing::Values(
    Place{"Llivia, inside France", 42.4646, 1.9806, "ES"},
    Place{"Vatican City, inside Rome", 41.9029, 12.4534, "VA"},
    Place{"Saint-Pierre, off Newfoundland", 46.7811, -56.1764, "PM"}));

// Parts of a country that ISO 3166 does not code on their own take the code that covers them.
INSTANTIATE_TEST_SUITE_P(Territories, BundledBordersLookup, ::testing::Values(
    Place{"Paris, metropolitan France", 48.8566, 2.3522, "FR"},
    Place{"Las Palmas, Canary Islands", 28.1235, -15.4363, "ES"},
    Place{"Sark, part of Guernsey", 49.4300, -2.3600, "GG"},
    Place{"Georgetown, Ascension", -7.9467, -14.3559, "SH"},
    Place{"Gibraltar", 36.1408, -5.3536, "GI"},
    Place{"Hong Kong", 22.3193, 114.1694, "HK"}));

INSTANTIATE_TEST_SUITE_P(AcrossTheAntimeridian, BundledBordersLookup, ::testing::Values(
    Place{"Suva", -18.1248, 178.4501, "FJ"},
    Place{"Lakeba, east of 180", -18.2000, -178.8000, "FJ"},
    Place{"Uelen, Chukotka", 66.1600, -169.8000, "RU"},
    Place{"South Pole", -90.0, 0.0, "AQ"}));

INSTANTIATE_TEST_SUITE_P(NoCountry, BundledBordersLookup, ::testing::Values(
    Place{"Mid-Atlantic", 15.0, -40.0, nullptr},
    Place{"Ionian Sea", 35.0, 18.0, nullptr},
    Place{"North Pole", 90.0, 0.0, nullptr},
    Place{"Latitude beyond the pole", 91.0, 13.0, nullptr},
    Place{"Longitude beyond 180", 52.0, 181.0, nullptr},
    Place{"No number", std::numeric_limits<double>::quiet_NaN(), 13.0, nullptr}));

TEST(CountryBorders, RefusesTextThatIsNotAFeatureCollection)
{
    for (const char *text : {"", "[]", "{\"type\": \"Feature\"}", "not json"})
        EXPECT_FALSE(FXCountryBorders::fromJson(text).has_value()) << text;
}

// A made-up world: AA with a hole and an enclave BB drawn over it, a part XX of AA whose own code
// is not a country's but that belongs to group CC, and a part without a code of its own.
TEST(CountryBorders, ResolvesCodesHolesAndOverlapsAsTheDataSays)
{
    const auto borders = FXCountryBorders::fromJson(R"({"type": "FeatureCollection", "features": [
        {"type": "Feature", "properties": {"iso1A2": "AA"}, "geometry": {"type": "MultiPolygon",
         "coordinates": [[[[0,0],[10,0],[10,10],[0,10],[0,0]], [[2,2],[4,2],[4,4],[2,4],[2,2]]]]}},
        {"type": "Feature", "properties": {"iso1A2": "BB"}, "geometry": {"type": "Polygon",
         "coordinates": [[[6,6],[7,6],[7,7],[6,7],[6,6]]]}},
        {"type": "Feature", "properties": {"iso1A2": "CC", "m49": "999"}, "geometry": null},
        {"type": "Feature", "properties": {"iso1A2": "XX", "isoStatus": "excRes", "country": "AA",
         "groups": ["EU", "CC"]}, "geometry": {"type": "MultiPolygon",
         "coordinates": [[[[20,0],[21,0],[21,1],[20,1],[20,0]]]]}},
        {"type": "Feature", "properties": {"nameEn": "Part", "country": "AA", "groups": ["001"]},
         "geometry": {"type": "MultiPolygon", "coordinates": [[[[30,0],[31,0],[31,1],[30,1]]]]}},
        {"type": "Feature", "properties": {"nameEn": "Nowhere"}, "geometry": {"type": "MultiPolygon",
         "coordinates": [[[[40,0],[41,0],[41,1],[40,1],[40,0]]]]}}
    ]})");
    ASSERT_TRUE(borders.has_value());

    const struct {
        double latitude, longitude;
        std::optional<QString> code;
    } cases[] = {
        {5.0, 5.0, QStringLiteral("AA")},
        {3.0, 3.0, std::nullopt},              // in the hole
        {6.5, 6.5, QStringLiteral("BB")},      // the enclave, though AA's ring covers it too
        {0.5, 20.5, QStringLiteral("CC")},     // the group's code, not the reserved one
        {0.5, 30.5, QStringLiteral("AA")},     // the country's code: the group is a region
        {0.5, 40.5, std::nullopt},             // no code anywhere
        {0.5, 11.0, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(borders->countryCodeAt(c.latitude, c.longitude), c.code)
            << c.latitude << ", " << c.longitude;
}

TEST(BordersGeocoder, AnswersLaterOnTheMainThread)
{
    FXBordersGeocoder geocoder;
    struct Answer {
        QList<FXPlacemark> placemarks;
        std::optional<QString> error;
    };
    std::optional<Answer> onLand, atSea;
    geocoder.reverseGeocodeLocation({46.9480, 7.4474}, [&](const auto &placemarks, const auto &error) {
        onLand = Answer{placemarks, error};
    });
    geocoder.reverseGeocodeLocation({15.0, -40.0}, [&](const auto &placemarks, const auto &error) {
        atSea = Answer{placemarks, error};
    });
    EXPECT_FALSE(onLand || atSea);

    ASSERT_TRUE(processEventsUntil([&] { return onLand && atSea; }));
    ASSERT_EQ(onLand->placemarks.size(), 1);
    EXPECT_EQ(onLand->placemarks.first().ISOCountryCode, QStringLiteral("CH"));
    EXPECT_EQ(onLand->error, std::nullopt);
    EXPECT_TRUE(atSea->placemarks.isEmpty());
    EXPECT_EQ(atSea->error, std::nullopt);
}
