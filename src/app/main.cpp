// Cambio, the converter window.

#include "FXApplicationDelegate.h"
#include "FXCompositionRoot.h"
#include "FXConverterServices.h"
#include "FXFlagCache.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"
#include "FXPaths.h"
#include "FXSharingManager.h"
#include "FXSingleInstance.h"
#include "FXTerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("Cambio"));
    QApplication::setApplicationVersion(QStringLiteral(CAMBIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.cambio.Cambio"));
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/io.github.cambio.Cambio.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts an amount into every currency you follow at once."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption quitAfterFirstPaint(QStringLiteral("quit-after-first-paint"),
                                           QStringLiteral("Quit once the window is painted."));
    quitAfterFirstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file"));
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({quitAfterFirstPaint, screenshot});
    parser.process(application);

    FXSingleInstance instance(
        FXSingleInstance::serverNameForConfiguration(FXPaths::configDirectory()));
    if (instance.askRunningInstanceToActivate())
        return 0;
    instance.listen();
    FXApplicationDelegate::installTranslators(application);

    FXCompositionRoot root(FXCompositionRoot::windowOptions());
    FXFlagCache flags;
    const FXConverterServices services{
        .center = root.notificationCenter(),
        .locale = FXLocale::current(),
        .numberFormatter = FXNumberFormatter::sharedFormatter(),
        .settings = root.settings(),
        .currencies = root.currencies(),
        .inputs = root.inputs(),
        .standardDefaults = root.standardDefaults(),
        .flags = flags,
        .sharing = FXSharingManager::sharedManager(),
        .location = [&root]() -> FXLocationManager & { return root.location(); },
    };
    FXApplicationDelegate delegate(services);
    const FXTerminationSignals termination;
    QObject::connect(&instance, &FXSingleInstance::activationRequested, &delegate,
                     &FXApplicationDelegate::showMainWindow);
    if (parser.isSet(quitAfterFirstPaint) || parser.isSet(screenshot))
        delegate.quitAfterFirstPaint(parser.value(screenshot));
    delegate.applicationDidFinishLaunching();
    return application.exec();
}
