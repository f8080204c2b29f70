#include "FXQtLocationService.h"
#include "TestData.h"
#include "TimeZoneData.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNmeaPositionInfoSource>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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
    void locationManager(FXLocationService &, FXAuthorizationStatus status) override
    {
        heard << u"status %1"_qs.arg(int(status));
    }
    void locationManager(FXLocationService &service, const FXLocation &location,
                         const std::optional<FXLocation> &) override
    {
        service.stopUpdatingLocation();
        heard << u"fix %1"_qs.arg(location.latitude, 0, 'f', 3);
    }
    void locationManager(FXLocationService &, const FXLocationError &) override { heard << u"error"_qs; }

    QStringList heard;
};

// A GPS receiver's log of two fixes a second apart in the centre of Berlin; an empty log is silent.
std::unique_ptr<QGeoPositionInfoSource> nmeaLog(const QByteArray &sentences)
{
    auto source = std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
    auto *log = new QBuffer(source.get());
    log->setData(sentences);
    log->open(QIODevice::ReadOnly);
    source->setDevice(log);
    return source;
}

const QByteArray berlin = "$GPRMC,120000.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*59\r\n"
                          "$GPRMC,120001.00,A,5231.200,N,01324.300,E,0.0,0.0,010126,,,A*58\r\n";

}

// A request ends with one fix or a reason, always later, also from a source that answers from
// inside startUpdates(). Without a source, or past the timeout, the time zone's place is the fix.
TEST(QtLocationService, EndsARequestWithOneFixOrAReason)
{
    const struct {
        const char *name;
        std::function<std::unique_ptr<QGeoPositionInfoSource>()> source;
        const char *zone, *heard;
    } requests[] = {
        {"NMEA log", [] { return nmeaLog(berlin); }, "Europe/Paris", "status 3, fix 52.520"},
        {"no source", [] { return nullptr; }, "Europe/Paris", "fix 48.867"},
        {"no source, a zone of the older table", [] { return nullptr; }, "Europe/Amsterdam", "fix 52.367"},
        {"no source, a zone without place", [] { return nullptr; }, "Etc/UTC", "error"},
        {"silent source", [] { return nmeaLog({}); }, "Europe/Paris", "fix 48.867"},
        // The user said no: the time zone must not locate the computer behind their back.
        {"refusing source", [] { return std::make_unique<RefusingSource>(); }, "Europe/Paris", "status 2"}};
    for (const auto &r : requests) {
        TimeZoneData data;
        FXQtLocationService service(r.source(), FXTimeZoneLocator(QString::fromLatin1(r.zone), data.path()),
                                    std::chrono::milliseconds(50));
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.startUpdatingLocation();
        EXPECT_TRUE(delegate.heard.isEmpty()) << r.name;
        // Then past the timeout, so that a second fix would show.
        EXPECT_TRUE(runUntil([&] { return !delegate.heard.isEmpty(); })) << r.name;
        for (QDeadlineTimer deadline(250); !deadline.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(delegate.heard.join(u", "), QString::fromLatin1(r.heard)) << r.name;
        EXPECT_FALSE(service.isUpdating()) << r.name;
    }
}
