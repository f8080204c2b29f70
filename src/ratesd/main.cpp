#include "FXAtomicFile.h"
#include "FXClock.h"
#include "FXRatesHttpServer.h"
#include "FXRatesService.h"
#include "FXServerOptions.h"
#include "FXSocketActivation.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTimer>

#include <cstdio>

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
bool listen(FXRatesHttpServer &server, const FXServerOptions &options)
{
    const QList<int> descriptors = FXSocketActivation::takeListeningDescriptors();
    for (const int descriptor : descriptors) {
        auto *socket = new QTcpServer(&server);
        if (!socket->setSocketDescriptor(descriptor)) {
            print(stderr, QStringLiteral("cannot take the passed socket %1: %2").arg(descriptor).arg(socket->errorString()));
            return false;
        }
        server.bind(socket);
        print(stderr, QStringLiteral("listening on the passed socket, http://%1:%2%3")
                          .arg(hostText(socket->serverAddress())).arg(socket->serverPort())
                          .arg(FXRatesHttpServer::updatePath()));
    }
    if (!descriptors.isEmpty()) {
        if (options.listenGiven)
            print(stderr, QStringLiteral("--listen does not apply: the passed socket is used"));
        return true;
    }

    auto *socket = new QTcpServer(&server);
    if (!socket->listen(options.address, options.port)) {
        print(stderr, QStringLiteral("cannot listen on %1:%2: %3")
                          .arg(hostText(options.address)).arg(options.port).arg(socket->errorString()));
        return false;
    }
    server.bind(socket);
    print(stderr, QStringLiteral("listening on http://%1:%2%3")
                      .arg(hostText(socket->serverAddress())).arg(socket->serverPort())
                      .arg(FXRatesHttpServer::updatePath()));
    return true;
}

// Ends the event loop after `idle` without a request, but never in the middle of a fetch, whose
// answer would be lost.
void exitWhenIdle(FXRatesHttpServer &server, const FXRatesService &service, std::chrono::seconds idle)
{
    auto *timer = new QTimer(&server);
    timer->setSingleShot(true);
    timer->setInterval(idle);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &service, idle] {
        if (service.isFetching()) {
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
    const auto parsed = FXServerCommandLine::parse(QCoreApplication::arguments().mid(1));
    switch (parsed.action) {
    case FXServerCommandLine::Action::Help:
    case FXServerCommandLine::Action::Version:
        print(stdout, parsed.text.trimmed());
        return 0;
    case FXServerCommandLine::Action::UsageError:
        print(stderr, QStringLiteral("cambio-ratesd: ") + parsed.text + QStringLiteral(" (see cambio-ratesd --help)"));
        return 2;
    case FXServerCommandLine::Action::Run:
        break;
    }
    const FXServerOptions &options = parsed.options;

    FXSystemClock clock;
    FXServiceSettings settings;
    settings.ecbUrls = options.ecbUrls;
    settings.apiUrls = options.apiUrls;
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

    FXRatesHttpServer server(service, clock);
    if (!listen(server, options))
        return 1;
    if (options.idleExit.count() > 0)
        exitWhenIdle(server, service, options.idleExit);
    service.start();
    return QCoreApplication::exec();
}
