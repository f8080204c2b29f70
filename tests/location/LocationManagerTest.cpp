#include "FXLocationManager.h"
#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

const QString LastCountryKey = QStringLiteral("LocationLastCountryCode");

// Records what the manager asks of it; the test plays the system's part through delegate().
class FakeLocationService : public FXLocationService {
public:
    void startUpdatingLocation() override { calls.append(QStringLiteral("start")); }
    void stopUpdatingLocation() override { calls.append(QStringLiteral("stop")); }

    void find(const FXLocation &location) { delegate()->locationManager(*this, location, m_last); }

    QStringList calls;

private:
    std::optional<FXLocation> m_last = FXLocation{10.0, 10.0};   // never to be geocoded
};

// Keeps each request's handler until the test answers it.
class FakeGeocoder : public FXReverseGeocoder {
public:
    void reverseGeocodeLocation(const FXLocation &location, CompletionHandler handler) override
    {
        locations.append(location);
        handlers.append(std::move(handler));
    }

    void answer(const QList<FXPlacemark> &placemarks)
    {
        handlers.takeFirst()(placemarks, std::nullopt);
    }

    QList<FXLocation> locations;
    QList<CompletionHandler> handlers;
};

std::optional<QString> code(const char *text)
{
    return text ? std::optional(QString::fromLatin1(text)) : std::nullopt;
}

FXPlacemark placemark(const char *text) { return FXPlacemark{code(text)}; }

class LocationManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        center.addObserver(this, LocationDidChangeNotification, [this](const FXNotification &n) {
            posted.append(n);
        });
    }

    void store(const char *country)
    {
        if (country)
            defaults.setObject(QString::fromLatin1(country), LastCountryKey);
    }

    // The manager finds the computer somewhere and the geocoder places it in these placemarks.
    void findIn(const QList<FXPlacemark> &placemarks)
    {
        service.find({46.0, 7.0});
        geocoder.answer(placemarks);
    }

    QTemporaryDir folder;
    FXUserDefaults defaults{folder.filePath(QStringLiteral("group.conf"))};
    FakeLocationService service;
    FakeGeocoder geocoder;
    FXNotificationCenter center;
    QList<FXNotification> posted;
};

}

TEST_F(LocationManagerTest, StartsWithTheStoredCountryAndStartsLocating)
{
    for (const char *stored : {static_cast<const char *>(nullptr), "DE"}) {
        store(stored);
        service.calls.clear();
        FXLocationManager manager(defaults, service, geocoder, center);
        EXPECT_EQ(manager.ISOCountryCode(), code(stored));
        EXPECT_EQ(service.calls, QStringList({QStringLiteral("stop"), QStringLiteral("start")}));
        EXPECT_EQ(service.delegate(), &manager);
    }
}

struct Geocoding {
    const char *name;
    const char *stored;                  // before the fix
    QList<FXPlacemark> placemarks;
    const char *country;                 // ISOCountryCode afterwards
    const char *storedAfterwards;
    bool posts;
};

void PrintTo(const Geocoding &geocoding, std::ostream *out) { *out << geocoding.name; }

class LocationManagerGeocoding : public LocationManagerTest,
                                 public ::testing::WithParamInterface<Geocoding> {};

TEST_P(LocationManagerGeocoding, KeepsTheCountryStoreAndNotification)
{
    const Geocoding &g = GetParam();
    store(g.stored);
    FXLocationManager manager(defaults, service, geocoder, center);

    findIn(g.placemarks);

    EXPECT_EQ(manager.ISOCountryCode(), code(g.country));
    EXPECT_EQ(defaults.stringForKey(LastCountryKey), code(g.storedAfterwards));
    ASSERT_EQ(posted.size(), g.posts ? 1 : 0);
    if (g.posts) {
        EXPECT_EQ(posted.first().object, &manager);
        EXPECT_EQ(posted.first().userInfo,
                  QVariantMap({{QStringLiteral("countryCode"), QString::fromLatin1(g.country)}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Fixes, LocationManagerGeocoding, ::testing::Values(
    // The very first country is only remembered: it takes effect at the next launch.
    Geocoding{"FirstFixEver", nullptr, {placemark("CH")}, nullptr, "CH", false},
    Geocoding{"SameCountry", "CH", {placemark("CH")}, "CH", "CH", false},
    Geocoding{"OtherCountry", "CH", {placemark("FR")}, "FR", "FR", true},
    Geocoding{"FirstPlacemarkDecides", "CH", {placemark("FR"), placemark("CH")}, "FR", "FR", true},
    Geocoding{"NothingFound", "CH", {}, "CH", "CH", false},
    Geocoding{"NothingFoundEver", nullptr, {}, nullptr, nullptr, false},
    Geocoding{"PlacemarkWithoutCountry", "CH", {placemark(nullptr), placemark("FR")}, "CH", "CH", false},
    Geocoding{"PlacemarkWithoutCountryEver", nullptr, {placemark(nullptr)}, nullptr, nullptr, false}));

TEST_F(LocationManagerTest, ObserversSeeTheNewCountryBeforeTheStoreLearnsIt)
{
    store("CH");
    FXLocationManager manager(defaults, service, geocoder, center);
    std::optional<QString> countrySeen, storedSeen;
    center.addObserver(&countrySeen, LocationDidChangeNotification, [&](const FXNotification &) {
        countrySeen = manager.ISOCountryCode();
        storedSeen = defaults.stringForKey(LastCountryKey);
    }, &manager);

    findIn({placemark("AT")});

    EXPECT_EQ(countrySeen, QStringLiteral("AT"));
    EXPECT_EQ(storedSeen, QStringLiteral("CH"));
    EXPECT_EQ(defaults.stringForKey(LastCountryKey), QStringLiteral("AT"));
}

TEST_F(LocationManagerTest, OneFixPerRequestAndOnlyTheNewLocationIsGeocoded)
{
    FXLocationManager manager(defaults, service, geocoder, center);
    service.calls.clear();

    service.find({47.3769, 8.5417});

    EXPECT_EQ(service.calls, QStringList{QStringLiteral("stop")});
    ASSERT_EQ(geocoder.locations.size(), 1);
    EXPECT_EQ(geocoder.locations.first().latitude, 47.3769);
    EXPECT_EQ(geocoder.locations.first().longitude, 8.5417);

    manager.updateCurrentLocation();
    EXPECT_EQ(service.calls, QStringList({QStringLiteral("stop"), QStringLiteral("stop"),
                                          QStringLiteral("start")}));
}

TEST_F(LocationManagerTest, AuthorizationDecidesWhetherToLocate)
{
    const struct {
        int status;
        QStringList calls;
    } cases[] = {
        {0, {QStringLiteral("start"), QStringLiteral("stop")}},   // makes the system ask the user
        {1, {}},
        {2, {}},
        {3, {QStringLiteral("start")}},
        {4, {}},
    };
    FXLocationManager manager(defaults, service, geocoder, center);
    for (const auto &c : cases) {
        service.calls.clear();
        manager.locationManager(service, FXAuthorizationStatus(c.status));
        EXPECT_EQ(service.calls, c.calls) << "status " << c.status;
    }
}

TEST_F(LocationManagerTest, FailureIsLoggedAsItsDescriptionAndChangesNothing)
{
    store("CH");
    FXLocationManager manager(defaults, service, geocoder, center);
    service.calls.clear();

    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtWarningMsg)
                messages.append(message);
        });
    manager.locationManager(service, FXLocationError{QStringLiteral("Location 100% unknown")});
    qInstallMessageHandler(previous);

    EXPECT_EQ(messages, QStringList{QStringLiteral("Location 100% unknown")});
    EXPECT_TRUE(service.calls.isEmpty());
    EXPECT_TRUE(geocoder.locations.isEmpty());
    EXPECT_EQ(manager.ISOCountryCode(), QStringLiteral("CH"));
}

TEST_F(LocationManagerTest, AnswerAfterTheManagerIsGoneIsDropped)
{
    store("CH");
    {
        FXLocationManager manager(defaults, service, geocoder, center);
        service.find({48.0, 2.0});
        EXPECT_EQ(service.delegate(), &manager);
    }
    EXPECT_EQ(service.delegate(), nullptr);
    geocoder.answer({placemark("FR")});
    EXPECT_TRUE(posted.isEmpty());
    EXPECT_EQ(defaults.stringForKey(LastCountryKey), QStringLiteral("CH"));
}
