// Days of cambio-ratesd's schedule in seconds: the rates service and its HTTP server run on a
// manual clock, both live sources answer from loopback with the test fixtures, except every night
// from 00:00 to 06:00 UTC when they fail (so that the back-off runs too), and a client asks for
// the table once a simulated minute. Prints the resident memory at the start, against the floor
// of the same process before the service exists, and after each day.
//   ratesd_day_bench [DAYS]
#include "FXClock.h"
#include "FXRatesHttpServer.h"
#include "FXRatesService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <cstdio>

namespace {

long residentKibibytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(CAMBIO_RATESD_FIXTURES "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Also deletes what was handed to deleteLater(), which processEvents() alone leaves for an event
// loop that this program never enters.
void runUntil(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int days = application.arguments().value(1, QStringLiteral("7")).toInt();
    FXManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC));   // a Monday

    const QByteArray ecbAnswer = fixture("eurofxref-daily.xml");
    const QByteArray apiAnswer = fixture("usd.json");
    int ecbFetches = 0;
    int apiFetches = 0;
    const auto night = [&clock] { return clock.now().time().hour() < 6; };
    QHttpServer sources;
    sources.route(QStringLiteral("/ecb"), [&] {
        ++ecbFetches;
        return night() ? QHttpServerResponse(QHttpServerResponder::StatusCode::ServiceUnavailable)
                       : QHttpServerResponse(QByteArrayLiteral("application/xml"), ecbAnswer);
    });
    sources.route(QStringLiteral("/api"), [&] {
        ++apiFetches;
        // Dated the simulated day, as the API's are: the server counts the data's age.
        QByteArray answer = apiAnswer;
        answer.replace("2026-12-06", clock.now().date().toString(Qt::ISODate).toLatin1());
        return night() ? QHttpServerResponse(QHttpServerResponder::StatusCode::ServiceUnavailable)
                       : QHttpServerResponse(QByteArrayLiteral("application/json"), answer);
    });
    const quint16 sourcesPort = sources.listen(QHostAddress::LocalHost, 0);
    QNetworkAccessManager client;
    const long floor = residentKibibytes();

    QTemporaryDir state;
    FXServiceSettings settings;
    settings.ecbUrls = {QUrl(QStringLiteral("http://127.0.0.1:%1/ecb").arg(sourcesPort))};
    settings.apiUrls = {QUrl(QStringLiteral("http://127.0.0.1:%1/api").arg(sourcesPort))};
    settings.stateDirectory = state.path();
    FXRatesService service(settings, clock, [](const QString &) {});
    service.load();
    FXRatesHttpServer server(service, clock);
    QString error;
    server.http().listen(QHostAddress::LocalHost, 0, &error);
    const QUrl updateUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.http().addresses().value(0).second).arg(FXRatesHttpServer::updatePath()));

    QElapsedTimer elapsed;
    elapsed.start();
    service.start();
    runUntil([&] { return !service.isFetching(); });
    std::printf("resident memory, KiB: floor %ld, started %ld\n", floor, residentKibibytes());

    int requests = 0;
    int failedRequests = 0;
    for (int day = 1; day <= days; ++day) {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QDateTime until = clock.now().addSecs(60);
            for (QDateTime next = clock.nextAlarm(); next.isValid() && next <= until; next = clock.nextAlarm()) {
                clock.advanceTo(next);
                runUntil([&] { return !service.isFetching(); });
            }
            clock.advanceTo(until);
            QNetworkReply *reply = client.get(QNetworkRequest(updateUrl));
            runUntil([reply] { return reply->isFinished(); });
            ++requests;
            failedRequests += reply->error() != QNetworkReply::NoError;
            reply->deleteLater();
        }
        std::printf("day %d: %ld KiB; fetches so far: ecb %d, api %d; requests %d (%d failed)\n", day,
                    residentKibibytes(), ecbFetches, apiFetches, requests, failedRequests);
    }
    std::printf("%d simulated days in %.1f s\n", days, elapsed.elapsed() / 1000.0);
    return 0;
}
