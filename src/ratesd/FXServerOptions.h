#pragma once

#include "FXRatesService.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>

// How this run of cambio-ratesd is set up.
struct FXServerOptions {
    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = 8642;
    bool listenGiven = false;   // --listen was set, which socket activation overrides
    QList<QUrl> ecbUrls;        // none: the source is off
    QList<QUrl> apiUrls;        // tried in turn; none: the source is off
    QUrl ecbHistoryUrl;         // empty: the bank's full history is not imported
    QString baseFile;           // empty: the program's copy of the converter's seed
    QString stateDirectory;
    std::chrono::seconds maximumAge = FXServiceSettings::defaultMaximumAge;
    std::chrono::seconds idleExit{0};   // 0: never
    QString onceFile;           // set: fetch once, write the table there and exit
};

// Reads the options from the command line over those of the configuration file
// $XDG_CONFIG_HOME/cambio-ratesd/cambio-ratesd.conf, whose lines are "name = value" with the long
// option names ("listen = 0.0.0.0:8642", "api-url = ..." once per address; "#" starts a comment).
// An option given on the command line replaces the file's, all its values at once.
class FXServerCommandLine {
public:
    enum class Action { Run, Help, Version, UsageError };
    struct Result {
        Action action = Action::Run;
        FXServerOptions options;
        QString text;   // the help, the version or what is wrong
    };

    static QString defaultConfigPath();
    static QStringList defaultApiUrls();
    static QString defaultEcbUrl();
    static QString defaultEcbHistoryUrl();

    // `arguments` without the program's name.
    static Result parse(const QStringList &arguments, const QString &configPath = defaultConfigPath());
};
