#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString LastCountry = QStringLiteral("LocationLastCountryCode");

// Plays the system: records what the manager asks, and finds fixes and geocodes when told to.
class FakeSystem : public FXLocationService, public FXReverseGeocoder {
public:
    void startUpdatingLocation() override { calls += "start "; }
    void stopUpdatingLocation() override { calls += "stop "; }
    void reverseGeocodeLocation(const FXLocation &location, CompletionHandler handler) override
    {
        geocoded.append(location);
        pending = std::move(handler);
    }
    // The old fix must not be the one geocoded.
    void find(const FXLocation &location) { delegate()->locationManager(*this, location, FXLocation{10, 10}); }
    void answer(const QList<FXPlacemark> &placemarks) { pending(placemarks, std::nullopt); }

    std::string calls;
    QList<FXLocation> geocoded;
    CompletionHandler pending;
};

FXPlacemark placemark(const char *code) { return {code ? std::optional(QString::fromLatin1(code)) : std::nullopt}; }

class LocationManagerTest : public ::testing::Test {
protected:
    LocationManagerTest()
    {
        center.addObserver(&observer, LocationDidChangeNotification, [this](const FXNotification &n) { posted.append(n); });
    }

    std::optional<QString> stored() const { return defaults.stringForKey(LastCountry); }

    QTemporaryDir folder;
    FXUserDefaults defaults{folder.filePath(QStringLiteral("group.conf"))};
    FakeSystem system;
    FXNotificationCenter center;
    QObject observer;
    QList<FXNotification> posted;
};

}

TEST_F(LocationManagerTest, FirstCountryEverTakesEffectAtTheNextLaunch)
{
    {
        FXLocationManager first(defaults, system, system, center);
        system.find({47.3769, 8.5417});
        EXPECT_EQ(system.calls, "stop start stop ");   // a fix ends the request
        EXPECT_EQ(system.geocoded.value(0).latitude, 47.3769);
        system.answer({placemark("CH")});
        EXPECT_EQ(first.ISOCountryCode(), std::nullopt);
    }
    EXPECT_TRUE(posted.isEmpty());
    FXLocationManager next(defaults, system, system, center);
    EXPECT_EQ(next.ISOCountryCode(), QStringLiteral("CH"));
}

// The same country, none, or a first placemark without a code change nothing; another country
// is posted once, and observers see it before the store learns it.
TEST_F(LocationManagerTest, ANewCountryIsPostedOnceAndSeenBeforeTheStoreLearnsIt)
{
    defaults.setObject(QStringLiteral("CH"), LastCountry);
    FXLocationManager manager(defaults, system, system, center);
    std::optional<QString> countrySeen, storedSeen;
    center.addObserver(&observer, LocationDidChangeNotification, [&](const FXNotification &) {
        countrySeen = manager.ISOCountryCode();
        storedSeen = stored();
    }, &manager);

    const QList<FXPlacemark> answers[] = {{placemark("CH")}, {}, {placemark(nullptr), placemark("FR")}, {placemark("AT")}};
    for (const auto &placemarks : answers) {
        system.find({48.2, 16.4});
        system.answer(placemarks);
    }

    ASSERT_EQ(posted.size(), 1);
    EXPECT_EQ(posted.first().userInfo, QVariantMap({{QStringLiteral("countryCode"), QStringLiteral("AT")}}));
    EXPECT_EQ(countrySeen, QStringLiteral("AT"));
    EXPECT_EQ(storedSeen, QStringLiteral("CH"));
    EXPECT_EQ(stored(), QStringLiteral("AT"));
}

TEST_F(LocationManagerTest, AuthorizationDecidesWhetherToLocate)
{
    // Not determined: starting is what makes the system ask the user.
    const std::string calls[] = {"start stop ", "", "", "start ", ""};
    FXLocationManager manager(defaults, system, system, center);
    for (int status = 0; status < 5; ++status) {
        system.calls.clear();
        manager.locationManager(system, FXAuthorizationStatus(status));
        EXPECT_EQ(system.calls, calls[status]) << "status " << status;
    }
}
