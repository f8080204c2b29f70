// cambio-search-provider: answers GNOME Shell's and KRunner's searches with Cambio's rates and
// currencies. Started by the session bus at the first search, it ends after a minute without one.

#include "FXCompositionRoot.h"
#include "FXConversionResults.h"
#include "FXCurrencyManager.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXDesktopSearch.h"
#include "FXFlagCatalogue.h"
#include "FXGnomeSearchProvider.h"
#include "FXKRunner.h"
#include "FXTranslations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusError>
#include <QDir>
#include <QTextStream>

namespace {

const QString BusName = QStringLiteral("io.github.cambio.Cambio.SearchProvider");
constexpr int DefaultIdleSeconds = 60;

// Our own flags, as installed beside the program (../share/cambio/flags), else as in the sources:
// the shells are handed files.
QString ownFlagsDirectory()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/cambio/flags");
    return QDir(installed).exists() ? QDir::cleanPath(installed)
                                    : QStringLiteral(CAMBIO_SOURCE_FLAGS_DIRECTORY);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "cambio-search-provider: " << message << '\n';
    return 1;
}

}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cambio-search-provider"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CAMBIO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Answers the desktop's search (GNOME Shell, KRunner) on the session bus as %1.")
                                         .arg(BusName));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption idleOption(QStringLiteral("idle-exit"),
                                        QStringLiteral("End after SECONDS without a search "
                                                       "(default %1).").arg(DefaultIdleSeconds),
                                        QStringLiteral("SECONDS"));
    parser.addOption(idleOption);
    parser.process(application);
    bool isNumber = true;
    const double idleSeconds = parser.isSet(idleOption)
                                   ? parser.value(idleOption).toDouble(&isNumber)
                                   : DefaultIdleSeconds;
    if (!isNumber || !(idleSeconds > 0) || idleSeconds > 86400)
        return fail(QStringLiteral("--idle-exit needs a number of seconds up to a day"));

    FXTranslations::install(application);

    // Rates and settings as cambio-cli reads them; what the window or cambio-cli change later is
    // noticed through the watched files. Nothing here ever downloads.
    FXCompositionRoot::Options options = FXCompositionRoot::commandLineOptions();
    options.watchesSharedFiles = true;
    FXCompositionRoot root(options);
    FXCurrencyManager &currencies = root.currencies();
    const FXNumberFormatter &numbers = root.numberFormatter();
    const FXCurrencySignResolver signs(currencies);
    const FXCurrencyNameIndex names(currencies);
    const FXConversionQueryReader reader(currencies, numbers, signs, names);
    const FXFlagCatalogue flags(FXFlagCatalogue::systemFlagsDirectory(), ownFlagsDirectory());
    const FXConversionResults results(currencies, numbers, reader, flags);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("no session bus: ") + bus.lastError().message());
    FXGnomeSearchProvider::registerTypes();
    FXKRunner::registerTypes();
    FXDesktopSearch search(results, bus,
                           std::chrono::milliseconds(qRound64(idleSeconds * 1000)));
    FXGnomeSearchProvider gnome(search);
    FXKRunner krunner(search);
    if (!bus.registerObject(FXGnomeSearchProvider::ObjectPath, &gnome,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerObject(FXKRunner::ObjectPath, &krunner, QDBusConnection::ExportAllSlots))
        return fail(QStringLiteral("cannot serve the search objects"));
    if (!bus.registerService(BusName))
        return fail(BusName + QStringLiteral(" is taken: ") + bus.lastError().message());
    QObject::connect(&search, &FXDesktopSearch::idle, &application, &QCoreApplication::quit);
    return application.exec();
}
