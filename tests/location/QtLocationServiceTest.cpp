#include "FXQtLocationService.h"
#include "ReadableName.h"
#include "TimeZoneData.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNmeaPositionInfoSource>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers every start as a source does when the user denies access.
class RefusingSource : public QGeoPositionInfoSource {
public:
    RefusingSource() : QGeoPositionInfoSource(nullptr) {}

    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return AccessError; }
    void startUpdates() override { QTimer::singleShot(0, this, [this] { emit errorOccurred(AccessError); }); }
    void stopUpdates() override {}
    void requestUpdate(int) override {}
};

// Hears what the service reports and, like the location manager, stops at the first fix.
class RecordingDelegate : public FXLocationServiceDelegate {
public:
    void locationManager(FXLocationService &, FXAuthorizationStatus s) override { heard << QStringLiteral("status %1").arg(int(s)); }
    void locationManager(FXLocationService &service, const FXLocation &location,
                         const std::optional<FXLocation> &) override
    {
        service.stopUpdatingLocation();
        heard << QStringLiteral("fix %1").arg(location.latitude, 0, 'f', 3);
    }
    void locationManager(FXLocationService &, const FXLocationError &) override { heard << QStringLiteral("error"); }

    QStringList heard;
};

enum class Source { None, BerlinLog, EmptyLog, Refusing };

std::unique_ptr<QGeoPositionInfoSource> makeSource(Source kind)
{
    if (kind == Source::None)
        return nullptr;
    if (kind == Source::Refusing)
        return std::make_unique<RefusingSource>();
    // A GPS receiver's log of two fixes a second apart in the centre of Berlin; an empty log is silent.
    auto source = std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
    auto *log = new QBuffer(source.get());
    if (kind == Source::BerlinLog)
        log->setData("$GPRMC,120000.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*59\r\n"
                     "$GPRMC,120001.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*58\r\n");
    log->open(QIODevice::ReadOnly);
    source->setDevice(log);
    return source;
}

struct Request {
    const char *name;
    Source source;
    const char *zone;
    const char *heard;
};

void PrintTo(const Request &request, std::ostream *out) { *out << request.name; }

}

class QtLocationServiceRequest : public ::testing::TestWithParam<Request> {};

TEST_P(QtLocationServiceRequest, EndsWithOneFixOrAReason)
{
    const Request &r = GetParam();
    TimeZoneData data;
    FXQtLocationService service(makeSource(r.source), FXTimeZoneLocator(QString::fromLatin1(r.zone), data.path()),
                                std::chrono::milliseconds(50));
    RecordingDelegate delegate;
    service.setDelegate(&delegate);

    service.startUpdatingLocation();
    // Every answer comes later, also from a source that answers from inside startUpdates().
    EXPECT_TRUE(delegate.heard.isEmpty());
    // Past the timeout, so that a second fix would show.
    for (QDeadlineTimer deadline(250); !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    EXPECT_EQ(delegate.heard.join(u", "), QString::fromLatin1(r.heard));
    EXPECT_FALSE(service.isUpdating());
}

INSTANTIATE_TEST_SUITE_P(Sources, QtLocationServiceRequest, ::testing::Values(
    Request{"NmeaLog", Source::BerlinLog, "Europe/Paris", "status 3, fix 52.520"},
    Request{"NoSourceUsesTheTimeZone", Source::None, "Europe/Paris", "fix 48.867"},
    Request{"NoSourceUsesAZoneOfTheOlderTable", Source::None, "Europe/Amsterdam", "fix 52.367"},
    Request{"NoSourceAndAZoneWithoutPlace", Source::None, "Etc/UTC", "error"},
    Request{"SilentSourceTimesOut", Source::EmptyLog, "Europe/Paris", "fix 48.867"},
    // The user said no: the time zone must not locate the computer behind their back.
    Request{"RefusingSource", Source::Refusing, "Europe/Paris", "status 2"}), ReadableName());
