#include "FXTimeZoneLocator.h"
#include "TimeZoneData.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace {

struct Coordinates {
    const char *text;
    bool valid;
    double latitude;
    double longitude;
};

void PrintTo(const Coordinates &c, std::ostream *out) { *out << '"' << c.text << '"'; }

}

class TimeZoneCoordinates : public ::testing::TestWithParam<Coordinates> {};

TEST_P(TimeZoneCoordinates, ReadsDegreesMinutesAndSeconds)
{
    const Coordinates &c = GetParam();
    const auto location = FXTimeZoneLocator::parseCoordinates(QString::fromLatin1(c.text));
    ASSERT_EQ(location.has_value(), c.valid);
    if (c.valid) {
        EXPECT_NEAR(location->latitude, c.latitude, 1e-9);
        EXPECT_NEAR(location->longitude, c.longitude, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Valid, TimeZoneCoordinates, ::testing::Values(
    Coordinates{"+4852+00220", true, 48 + 52 / 60.0, 2 + 20 / 60.0},
    Coordinates{"-3352+15113", true, -(33 + 52 / 60.0), 151 + 13 / 60.0},
    Coordinates{"-720041+0023206", true, -(72 + 41 / 3600.0), 2 + 32 / 60.0 + 6 / 3600.0},
    Coordinates{"+404251-0740023", true, 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 23 / 3600.0)},
    Coordinates{"-0000+00000", true, 0.0, 0.0}));

INSTANTIATE_TEST_SUITE_P(Malformed, TimeZoneCoordinates, ::testing::Values(
    Coordinates{"", false, 0, 0},
    Coordinates{"4852+00220", false, 0, 0},          // no sign on the latitude
    Coordinates{"+485+00220", false, 0, 0},          // a digit short
    Coordinates{"+48520+00220", false, 0, 0},        // a digit too many
    Coordinates{"+4852+0022a", false, 0, 0},
    Coordinates{"+4860+00220", false, 0, 0},         // sixty minutes
    Coordinates{"+485260+0022000", false, 0, 0},     // sixty seconds
    Coordinates{"+9100+00000", false, 0, 0},         // beyond the pole
    Coordinates{"+0000+18100", false, 0, 0}));

TEST(TimeZoneLocator, FindsTheZonesReferencePoint)
{
    TimeZoneData data;
    const struct {
        const char *zone;
        std::optional<double> latitude;
    } cases[] = {
        {"Europe/Paris", 48 + 52 / 60.0},
        {"Asia/Tokyo", 35 + 39 / 60.0 + 16 / 3600.0},
        {"Europe/Amsterdam", 52 + 22 / 60.0},   // only in zone.tab
        {"Etc/UTC", std::nullopt},
        {"Europe", std::nullopt},
        {"CET-1CEST,M3.5.0,M10.5.0/3", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) {
        const FXTimeZoneLocator locator(QString::fromLatin1(c.zone), data.path());
        const auto location = locator.location();
        ASSERT_EQ(location.has_value(), c.latitude.has_value()) << c.zone;
        if (location) {
            EXPECT_NEAR(location->latitude, *c.latitude, 1e-9) << c.zone;
        }
    }
}

TEST(TimeZoneLocator, FindsNothingWithoutTheDatabase)
{
    const FXTimeZoneLocator locator(QStringLiteral("Europe/Paris"),
                                    QStringLiteral("/nonexistent/zoneinfo"));
    EXPECT_EQ(locator.location().has_value(), false);
}

namespace {

struct SystemZone {
    const char *name;
    const char *tz;
    const char *localtimeLink;    // nullptr: /etc/localtime is a plain file
    const char *timezoneFile;     // nullptr: no /etc/timezone
    const char *zone;
};

void PrintTo(const SystemZone &s, std::ostream *out) { *out << s.name; }

}

class SystemTimeZone : public ::testing::TestWithParam<SystemZone> {};

TEST_P(SystemTimeZone, ComesFromTzThenLocaltimeThenTimezone)
{
    const SystemZone &s = GetParam();
    QTemporaryDir etc;
    if (s.localtimeLink) {
        ASSERT_TRUE(QFile::link(QString::fromLatin1(s.localtimeLink), etc.filePath(QStringLiteral("localtime"))));
    } else {
        QFile localtime(etc.filePath(QStringLiteral("localtime")));
        ASSERT_TRUE(localtime.open(QIODevice::WriteOnly));
        localtime.write("TZif2");
    }
    if (s.timezoneFile) {
        QFile timezone(etc.filePath(QStringLiteral("timezone")));
        ASSERT_TRUE(timezone.open(QIODevice::WriteOnly));
        timezone.write(s.timezoneFile);
    }
    EXPECT_EQ(FXTimeZoneLocator::systemZone(s.tz, etc.path()), QString::fromLatin1(s.zone));
}

INSTANTIATE_TEST_SUITE_P(Settings, SystemTimeZone, ::testing::Values(
    SystemZone{"TzName", "Asia/Tokyo", "/usr/share/zoneinfo/Europe/Rome", nullptr, "Asia/Tokyo"},
    SystemZone{"TzWithColon", ":Europe/Paris", nullptr, "Europe/Oslo\n", "Europe/Paris"},
    SystemZone{"TzPath", ":/usr/share/zoneinfo/America/New_York", nullptr, nullptr, "America/New_York"},
    SystemZone{"LocaltimeLink", "", "/usr/share/zoneinfo/Europe/Rome", "Europe/Oslo\n", "Europe/Rome"},
    SystemZone{"RelativePosixLink", "", "../usr/share/zoneinfo/posix/Europe/Rome", nullptr, "Europe/Rome"},
    SystemZone{"LocaltimeCopy", "", nullptr, "Europe/Oslo\n", "Europe/Oslo"},
    SystemZone{"LinkOutsideZoneinfo", "", "/etc/my-zone", "Europe/Oslo\n", "Europe/Oslo"},
    SystemZone{"NothingSet", "", nullptr, nullptr, ""}));
