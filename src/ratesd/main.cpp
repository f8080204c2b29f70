#include "FXAtomicFile.h"
#include "FXClock.h"
#include "FXLocalizedString.h"
#include "FXRatesHttpServer.h"
#include "FXRatesService.h"
#include "FXServerOptions.h"
#include "FXSocketActivation.h"
#include "FXTranslations.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

QString hostText(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']'
                                                               : address.toString();
}

// Fetches every live source once, writes the table and ends the event loop with the exit status.
void runOnce(FXRatesService &service, const QString &file)
{
    QObject::connect(&service, &FXRatesService::startFinished, &service, [&service, file] {
        if (!service.hasAnsweredSinceStart()) {
            print(stderr, QStringLiteral("no live source answered; ") + file + QStringLiteral(" left as it was"));
            QCoreApplication::exit(1);
            return;
        }
        if (const auto failure = FXAtomicFile::write(file, service.table()->json)) {
            print(stderr, *failure + QStringLiteral("; ") + file + QStringLiteral(" left as it was"));
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::exit(0);
    });
    service.start(false);
}

// Listens on the sockets that systemd passed, else on the configured address.
bool listen(FXHttpServer &server, const FXServerOptions &options)
{
    const QList<int> descriptors = FXSocketActivation::takeListeningDescriptors();
    QString error;
    for (const int descriptor : descriptors) {
        if (!server.adopt(descriptor, &error)) {
            print(stderr, QStringLiteral("cannot take the passed socket %1: %2").arg(descriptor).arg(error));
            return false;
        }
    }
    if (!descriptors.isEmpty()) {
        if (options.listenGiven)
            print(stderr, QStringLiteral("--listen does not apply: the passed socket is used"));
    } else if (!server.listen(options.address, options.port, &error)) {
        print(stderr, QStringLiteral("cannot listen on %1:%2: %3").arg(hostText(options.address)).arg(options.port).arg(error));
        return false;
    }
    for (const auto &[address, port] : server.addresses()) {
        print(stderr, QStringLiteral("listening on %1http://%2:%3%4")
                          .arg(descriptors.isEmpty() ? QString() : QStringLiteral("the passed socket, "))
                          .arg(hostText(address)).arg(port).arg(FXRatesHttpServer::updatePath()));
    }
    return true;
}

// Each connection takes a descriptor, and the soft limit of 1024 that services get by default is
// soon reached on a network; the hard limit is the one that counts.
void raiseDescriptorLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// Ends the event loop after `idle` without a request, but never in the middle of a fetch or of
// the import of the bank's history, whose answer would be lost.
void exitWhenIdle(FXRatesHttpServer &server, const FXRatesService &service, std::chrono::seconds idle)
{
    auto *timer = new QTimer(&server);
    timer->setSingleShot(true);
    timer->setInterval(idle);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &service, idle] {
        if (service.isFetching() || service.isImportingHistory()) {
            timer->start();
            return;
        }
        print(stderr, QStringLiteral("no request for %1 s; exiting").arg(idle.count()));
        QCoreApplication::exit(0);
    });
    QObject::connect(&server, &FXRatesHttpServer::requestReceived, timer, qOverload<>(&QTimer::start));
    timer->start();
}

}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // Its help and the mistakes of its command line in the user's language; its log stays English,
    // as whoever reads a server's journal expects.
    FXTranslations::install(application);
    const auto parsed = FXServerCommandLine::parse(QCoreApplication::arguments().mid(1));
    switch (parsed.action) {
    case FXServerCommandLine::Action::Help:
    case FXServerCommandLine::Action::Version:
        print(stdout, parsed.text.trimmed());
        return 0;
    case FXServerCommandLine::Action::UsageError:
        print(stderr, QStringLiteral("cambio-ratesd: ")
                         + FXLocalizedString::format("%@ (see cambio-ratesd --help)", parsed.text));
        return 2;
    case FXServerCommandLine::Action::Run:
        break;
    }
    const FXServerOptions &options = parsed.options;

    FXSystemClock clock;
    FXServiceSettings settings;
    settings.ecbUrls = options.ecbUrls;
    settings.apiUrls = options.apiUrls;
    settings.ecbHistoryUrl = options.ecbHistoryUrl;
    settings.baseFile = options.baseFile;
    settings.stateDirectory = options.stateDirectory;
    settings.maximumAge = options.maximumAge;
    FXRatesService service(settings, clock);
    if (!service.load())
        return 1;

    if (!options.onceFile.isEmpty()) {
        runOnce(service, options.onceFile);
        return QCoreApplication::exec();
    }

    raiseDescriptorLimit();
    FXRatesHttpServer server(service, clock);
    if (!listen(server.http(), options))
        return 1;
    if (options.idleExit.count() > 0)
        exitWhenIdle(server, service, options.idleExit);
    service.start();
    return QCoreApplication::exec();
}
