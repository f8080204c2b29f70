#include "FXTimeZoneLocator.h"
#include "TimeZoneData.h"

#include <gtest/gtest.h>

TEST(TimeZoneLocator, ParsesTheTablesCoordinates)
{
    const auto troll = FXTimeZoneLocator::parseCoordinates(u"-720041-0023206");
    ASSERT_TRUE(troll.has_value());
    EXPECT_NEAR(troll->latitude, -(72 + 41 / 3600.0), 1e-9);
    EXPECT_NEAR(troll->longitude, -(2 + 32 / 60.0 + 6 / 3600.0), 1e-9);
    // No sign, a digit short or too many, sixty minutes or seconds, beyond the pole or 180 degrees.
    for (const char *text : {"", "4852+00220", "+485+00220", "+48520+00220", "+4852+0022a", "+4860+00220",
                             "+485260+0022000", "+9100+00000", "+0000+18100"})
        EXPECT_FALSE(FXTimeZoneLocator::parseCoordinates(QString::fromLatin1(text))) << text;
}

TEST(TimeZoneLocator, SystemZoneComesFromTzThenLocaltimeThenTimezone)
{
    const struct {
        const char *tz;
        const char *localtimeLink;   // nullptr: /etc/localtime is a copy of the zone's file
        const char *timezoneFile;    // nullptr: no /etc/timezone
        const char *zone;
    } cases[] = {
        {":Europe/Paris", "/usr/share/zoneinfo/Europe/Rome", "Europe/Oslo\n", "Europe/Paris"},
        {"", "../usr/share/zoneinfo/posix/Europe/Rome", "Europe/Oslo\n", "Europe/Rome"},
        {"", "/etc/my-zone", "Europe/Oslo\n", "Europe/Oslo"},
        {"", nullptr, nullptr, ""},
    };
    for (const auto &c : cases) {
        QTemporaryDir etc;
        const QString localtime = etc.filePath(QStringLiteral("localtime"));
        ASSERT_TRUE(c.localtimeLink ? QFile::link(QString::fromLatin1(c.localtimeLink), localtime)
                                    : writeFile(localtime, "TZif2"));
        ASSERT_TRUE(!c.timezoneFile || writeFile(etc.filePath(QStringLiteral("timezone")), c.timezoneFile));
        EXPECT_EQ(FXTimeZoneLocator::systemZone(c.tz, etc.path()), QString::fromLatin1(c.zone));
    }
}
