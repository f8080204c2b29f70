// Cambio, the converter window.

#include "FXApplicationDelegate.h"
#include "FXSessionService.h"
#include "FXTerminationSignals.h"
#include "FXTranslations.h"
#include "FXWindowCompositionRoot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace {

// The program's options; the window's own (-platform, -style...) are QApplication's.
struct Options {
    Options()
        : quitAfterFirstPaint(QStringLiteral("quit-after-first-paint"),
                              QStringLiteral("Quit once the window is painted."))
        , screenshot(QStringLiteral("screenshot"),
                     QStringLiteral("Save pictures of the window and of the preferences, and quit."), QStringLiteral("file"))
    {
        parser.setApplicationDescription(
            QStringLiteral("Converts an amount into every currency you follow at once."));
        parser.addHelpOption();
        parser.addVersionOption();
        quitAfterFirstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
        screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({quitAfterFirstPaint, screenshot});
    }

    QCommandLineParser parser;
    QCommandLineOption quitAfterFirstPaint;
    QCommandLineOption screenshot;
};

// Answers --help and --version, which need no window, before a display is asked for: they work
// over ssh and in scripts. Everything else waits for the window's application.
void answerWithoutWindow(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options options;
    // QApplication's own options make this reading fail; only the answers matter here.
    QCommandLineParser &parser = options.parser;
    parser.parse(arguments);
    const bool version = parser.isSet(QStringLiteral("version"));
    const bool help = parser.isSet(QStringLiteral("help"));
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (!version && !help && !helpAll)
        return;
    // The answers name the program as QCoreApplication knows it.
    const QCoreApplication application(argc, argv);
    if (version)
        parser.showVersion();
    if (help)
        parser.showHelp();
    parser.process(arguments);
}

}

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("Cambio"));
    QApplication::setApplicationVersion(QStringLiteral(CAMBIO_VERSION));
    answerWithoutWindow(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("io.github.cambio.Cambio"));
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/io.github.cambio.Cambio.svg")));

    Options options;
    options.parser.process(application);

    FXSessionService session;
    if (session.start() == FXSessionService::Start::Answered)
        return 0;
    FXTranslations::install(application);

    FXWindowCompositionRoot root;
    FXApplicationDelegate &delegate = root.applicationDelegate();
    const FXTerminationSignals termination;
    session.setApplication(delegate);
    if (options.parser.isSet(options.quitAfterFirstPaint) || options.parser.isSet(options.screenshot))
        delegate.quitAfterFirstPaint(options.parser.value(options.screenshot));
    delegate.applicationDidFinishLaunching();
    return application.exec();
}
