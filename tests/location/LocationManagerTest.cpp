#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString LastCountry = QStringLiteral("LocationLastCountryCode");

// Plays the system: records what the manager asks, and finds a fix and its placemarks when told to.
class FakeSystem : public FXLocationService, public FXReverseGeocoder {
public:
    void startUpdatingLocation() override { calls += "start "; }
    void stopUpdatingLocation() override { calls += "stop "; }
    void reverseGeocodeLocation(const FXLocation &location, CompletionHandler handler) override
    {
        geocoded.append(location);
        handler(found, std::nullopt);
    }
    // The old fix must not be the one geocoded.
    void locate(const QList<FXPlacemark> &placemarks)
    {
        found = placemarks;
        delegate()->locationManager(*this, FXLocation{47.3769, 8.5417}, FXLocation{10, 10});
    }

    std::string calls;
    QList<FXLocation> geocoded;
    QList<FXPlacemark> found;
};

FXPlacemark placemark(const char *code)
{
    return {code ? std::optional(QString::fromLatin1(code)) : std::nullopt};
}

}

// Locating starts at once, and as authorization allows. The first country ever found takes effect
// at the next launch. Then the same country, none, or a first placemark without a code change
// nothing; another country is posted once, and observers see it before the store learns it.
TEST(LocationManager, LocatesAsAllowedAndPostsANewCountryOnceBeforeStoringIt)
{
    QTemporaryDir folder;
    FXUserDefaults defaults(folder.filePath(QStringLiteral("group.conf")));
    FakeSystem system;
    FXNotificationCenter center;
    QObject observer;
    std::optional<FXLocationManager> manager;
    QStringList posted;   // the country posted, the manager's and the stored one then
    center.addObserver(&observer, LocationDidChangeNotification, [&](const FXNotification &n) {
        EXPECT_EQ(n.object, &*manager);
        posted << QStringList{n.userInfo.value(QStringLiteral("countryCode")).toString(),
                              manager->ISOCountryCode().value_or(QString()),
                              defaults.stringForKey(LastCountry).value_or(QString())}.join(u' ');
    });
    manager.emplace(defaults, system, system, center);
    EXPECT_EQ(system.calls, "stop start ");
    // Not determined: starting is what makes the system ask the user.
    const char *const calls[] = {"start stop ", "", "", "start ", ""};
    for (int status = 0; status < 5; ++status) {
        system.calls.clear();
        manager->locationManager(system, FXAuthorizationStatus(status));
        EXPECT_EQ(system.calls, calls[status]) << "status " << status;
    }
    system.calls.clear();
    system.locate({placemark("CH")});
    EXPECT_EQ(system.calls, "stop ");   // a fix ends the request
    EXPECT_EQ(system.geocoded.value(0).latitude, 47.3769);
    EXPECT_EQ(manager->ISOCountryCode(), std::nullopt);

    manager.emplace(defaults, system, system, center);
    EXPECT_EQ(manager->ISOCountryCode(), QStringLiteral("CH"));
    for (const QList<FXPlacemark> &placemarks : {QList{placemark("CH")}, QList<FXPlacemark>(),
                                                 QList{placemark(nullptr), placemark("FR")},
                                                 QList{placemark("AT")}})
        system.locate(placemarks);
    EXPECT_EQ(posted, QStringList{u"AT AT CH"_qs});
    EXPECT_EQ(defaults.stringForKey(LastCountry), u"AT");
}
