#include "EventLoop.h"
#include "FXQtLocationService.h"
#include "TimeZoneData.h"

#include <QBuffer>
#include <QNmeaPositionInfoSource>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// A source that refuses, fails or stays silent when started.
class FakeSource : public QGeoPositionInfoSource {
public:
    explicit FakeSource(std::optional<Error> failure)
        : QGeoPositionInfoSource(nullptr)
        , m_failure(failure)
    {
    }

    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return m_failure.value_or(NoError); }
    void startUpdates() override
    {
        if (m_failure)
            QTimer::singleShot(0, this, [this] { emit errorOccurred(*m_failure); });
    }
    void stopUpdates() override {}
    void requestUpdate(int) override {}

private:
    std::optional<Error> m_failure;
};

// A GPS receiver's log: a fix in the centre of Berlin, then another a second later.
std::unique_ptr<QGeoPositionInfoSource> nmeaLogSource()
{
    auto source = std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
    auto *log = new QBuffer(source.get());
    log->setData("$GPRMC,120000.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*59\r\n"
                 "$GPGGA,120000.00,5231.200,N,01324.300,E,1,08,1.0,34.0,M,0.0,M,,*61\r\n"
                 "$GPRMC,120001.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*58\r\n");
    log->open(QIODevice::ReadOnly);
    source->setDevice(log);
    return source;
}

// Hears what the service reports and, like the location manager, stops at the first fix.
class RecordingDelegate : public FXLocationServiceDelegate {
public:
    void locationManager(FXLocationService &, FXAuthorizationStatus status) override
    {
        statuses.append(int(status));
    }
    void locationManager(FXLocationService &manager, const FXLocation &newLocation,
                         const std::optional<FXLocation> &oldLocation) override
    {
        manager.stopUpdatingLocation();
        fixes.append(newLocation);
        oldFixes.append(oldLocation);
    }
    void locationManager(FXLocationService &, const FXLocationError &error) override
    {
        errors.append(error.description);
    }

    bool hasOutcome() const
    {
        return !fixes.isEmpty() || !errors.isEmpty() || statuses.contains(int(FXAuthorizationStatus::Denied));
    }

    QList<int> statuses;
    QList<FXLocation> fixes;
    QList<std::optional<FXLocation>> oldFixes;
    QStringList errors;
};

enum class Source { None, NmeaLog, Failing, Silent, Refusing };

std::unique_ptr<QGeoPositionInfoSource> makeSource(Source source)
{
    switch (source) {
    case Source::None:
        return nullptr;
    case Source::NmeaLog:
        return nmeaLogSource();
    case Source::Failing:
        return std::make_unique<FakeSource>(QGeoPositionInfoSource::UnknownSourceError);
    case Source::Silent:
        return std::make_unique<FakeSource>(std::nullopt);
    case Source::Refusing:
        return std::make_unique<FakeSource>(QGeoPositionInfoSource::AccessError);
    }
    return nullptr;
}

struct Request {
    const char *name;
    Source source;
    const char *zone;
    QList<int> statuses;
    std::optional<double> latitude;   // of the one fix, if any
    bool fails;
};

void PrintTo(const Request &request, std::ostream *out) { *out << request.name; }

constexpr double Berlin = 52.52;
constexpr double Paris = 48 + 52 / 60.0;

}

class QtLocationServiceRequest : public ::testing::TestWithParam<Request> {};

TEST_P(QtLocationServiceRequest, EndsWithOneFixOrAReason)
{
    const Request &r = GetParam();
    TimeZoneData data;
    FXQtLocationService service(makeSource(r.source),
                                FXTimeZoneLocator(QString::fromLatin1(r.zone), data.path()), 50ms);
    RecordingDelegate delegate;
    service.setDelegate(&delegate);

    service.startUpdatingLocation();
    ASSERT_TRUE(processEventsUntil([&] { return delegate.hasOutcome(); }));
    processPendingEvents();

    EXPECT_EQ(delegate.statuses, r.statuses);
    ASSERT_EQ(delegate.fixes.size(), r.latitude ? 1 : 0);
    if (r.latitude) {
        EXPECT_NEAR(delegate.fixes.first().latitude, *r.latitude, 1e-6);
    }
    ASSERT_EQ(delegate.errors.size(), r.fails ? 1 : 0);
    if (r.fails) {
        EXPECT_TRUE(delegate.errors.first().contains(QString::fromLatin1(r.zone)));
    }
    EXPECT_FALSE(service.isUpdating());
}

INSTANTIATE_TEST_SUITE_P(Sources, QtLocationServiceRequest, ::testing::Values(
    Request{"NmeaLog", Source::NmeaLog, "Europe/Paris", {3}, Berlin, false},
    Request{"NoSourceUsesTheTimeZone", Source::None, "Europe/Paris", {}, Paris, false},
    Request{"NoSourceAndAZoneWithoutPlace", Source::None, "Etc/UTC", {}, std::nullopt, true},
    Request{"FailingSourceUsesTheTimeZone", Source::Failing, "Europe/Paris", {}, Paris, false},
    Request{"FailingSourceAndAZoneWithoutPlace", Source::Failing, "Etc/UTC", {}, std::nullopt, true},
    Request{"SilentSourceTimesOut", Source::Silent, "Europe/Paris", {}, Paris, false},
    // The user said no: the time zone must not locate the computer behind their back.
    Request{"RefusingSource", Source::Refusing, "Europe/Paris", {2}, std::nullopt, false}));

TEST(QtLocationService, DeliversOneFixPerRequestAndNeverFromInsideStartOrStop)
{
    TimeZoneData data;
    FXQtLocationService service(nullptr, FXTimeZoneLocator(QStringLiteral("Europe/Paris"), data.path()));
    RecordingDelegate delegate;
    service.setDelegate(&delegate);

    service.startUpdatingLocation();
    service.stopUpdatingLocation();
    service.startUpdatingLocation();
    service.startUpdatingLocation();
    EXPECT_TRUE(delegate.fixes.isEmpty());
    processPendingEvents();
    ASSERT_EQ(delegate.fixes.size(), 1);
    EXPECT_FALSE(delegate.oldFixes.first().has_value());

    service.startUpdatingLocation();
    service.stopUpdatingLocation();
    processPendingEvents();
    EXPECT_EQ(delegate.fixes.size(), 1);

    service.startUpdatingLocation();
    processPendingEvents();
    ASSERT_EQ(delegate.fixes.size(), 2);
    ASSERT_TRUE(delegate.oldFixes.last().has_value());
    EXPECT_NEAR(delegate.oldFixes.last()->latitude, Paris, 1e-6);
}
