// The floor of the load bench: a bare Qt HTTP server answering every GET of the update path with
// the same bytes as cambio-ratesd, and nothing else. Prints its port, then serves until killed.
//   ratesd_floor_server BODY-FILE
#include <QCoreApplication>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QFile file(application.arguments().value(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: ratesd_floor_server BODY-FILE\n");
        return 2;
    }
    const QByteArray body = file.readAll();
    QHttpServer server;
    server.route(QStringLiteral("/lab/lumenfold/update.php"),
                 [body] { return QHttpServerResponse(QByteArrayLiteral("application/json"), body); });
    const quint16 port = server.listen(QHostAddress::LocalHost, 0);
    std::printf("%u\n", port);
    std::fflush(stdout);
    return port ? QCoreApplication::exec() : 1;
}
