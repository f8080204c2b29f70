#include "FXServerOptions.h"

#include "FXHelpText.h"
#include "FXLocalizedString.h"
#include "FXPaths.h"
#include "FXRatesHttpServer.h"
#include "FXStateFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

using Result = FXServerCommandLine::Result;
using Action = FXServerCommandLine::Action;

// Every option but --once can also be written in the configuration file.
constexpr const char *settingNames[] = {"listen", "ecb-url", "ecb-history-url", "api-url", "base",
                                        "state-dir", "max-age", "idle-exit"};

// Beyond ten years no table is current in any useful sense.
constexpr qint64 largestMaximumAge = 10 * 365 * 86400;
// The idle timer counts in milliseconds in an int.
constexpr qint64 largestIdleExit = std::numeric_limits<int>::max() / 1000;

// The settings as the help shows them, in the user's language.
QList<QCommandLineOption> settingOptions()
{
    const auto option = [](const char *name, const char *valueName, const QString &description) {
        return QCommandLineOption(QString::fromLatin1(name), description, QString::fromLatin1(valueName));
    };
    const QString off = QStringLiteral("\"\"");
    return {
        option("listen", "ADDRESS:PORT",
               FXLocalizedString::text("where to listen (default %1; %2 for IPv6)")
                   .arg(QStringLiteral("127.0.0.1:8642"), QStringLiteral("[::1]:8642"))),
        option("ecb-url", "URL",
               FXLocalizedString::format("the central bank's daily reference rates (XML); %@ turns "
                                         "them off", off)),
        option("ecb-history-url", "URL",
               FXLocalizedString::format("the central bank's full history (XML), taken into the "
                                         "history once; %@ turns that off", off)),
        option("api-url", "URL",
               FXLocalizedString::format("the currency API's dollar table (JSON); repeat for "
                                         "fallbacks; %@ turns it off", off)),
        option("base", "FILE",
               FXLocalizedString::text("the table for currencies no live source has: a rates "
                                       "document or a JSON answer (default: the converter's own "
                                       "seed)")),
        option("state-dir", "DIR",
               FXLocalizedString::format("where the last good table is kept (default %@)",
                                         QStringLiteral("$XDG_STATE_HOME/cambio-ratesd"))),
        option("max-age", "SECONDS",
               FXLocalizedString::text("how old the newest rates may be for the table to count as "
                                       "current (default %1; at most %2, ten years)")
                   .arg(FXServiceSettings::defaultMaximumAge.count()).arg(largestMaximumAge)),
        option("idle-exit", "SECONDS",
               FXLocalizedString::format("exit after that long without a request, for socket "
                                         "activation (default 0: never; at most %@, about 24 days)",
                                         QString::number(largestIdleExit))),
    };
}

Result usageError(const QString &text)
{
    return {Action::UsageError, {}, text};
}

// Values by setting name, from "name = value" lines.
std::optional<QHash<QString, QStringList>> readConfig(const QString &path, QString &error)
{
    QHash<QString, QStringList> values;
    QFile file(path);
    if (!file.exists())
        return values;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed();
        const bool known = std::any_of(std::begin(settingNames), std::end(settingNames),
                                       [&](const char *setting) { return name == QLatin1StringView(setting); });
        if (equals < 0 || !known) {
            error = QStringLiteral("%1:%2: ").arg(path).arg(lineNumber)
                    + FXLocalizedString::format("not a setting: %@", line);
            return std::nullopt;
        }
        QString value = line.mid(equals + 1).trimmed();
        if (value == u"\"\"")
            value.clear();
        values[name].append(value);
    }
    return values;
}

std::optional<std::pair<QHostAddress, quint16>> parseListen(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:\\[([^\\]]+)\\]|([^:\\[\\]]+)):(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    QHostAddress address;
    if (host == u"localhost")
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(host))
        return std::nullopt;
    const uint port = match.captured(3).toUInt();
    if (port > 65535)
        return std::nullopt;
    return std::pair(address, quint16(port));
}

// None when any value is empty: the source is turned off.
std::optional<QList<QUrl>> parseUrls(const QString &option, const QStringList &values, QString &error)
{
    QList<QUrl> urls;
    for (const QString &value : values) {
        if (value.isEmpty())
            return QList<QUrl>();
        const QUrl url(value, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"http" && url.scheme() != u"https")) {
            error = FXLocalizedString::text("%1 needs an http or https URL: %2")
                        .arg(QStringLiteral("--") + option, value);
            return std::nullopt;
        }
        urls.append(url);
    }
    return urls;
}

std::optional<qint64> parseSeconds(const QString &option, const QString &value, qint64 smallest, qint64 largest,
                                   QString &error)
{
    bool ok = false;
    const qint64 seconds = value.toLongLong(&ok);
    if (!ok || seconds < smallest || seconds > largest) {
        error = FXLocalizedString::text("%1 needs a whole number of seconds from %2 to %3: %4")
                    .arg(QStringLiteral("--") + option, QString::number(smallest),
                         QString::number(largest), value);
        return std::nullopt;
    }
    return seconds;
}

// The help, laid out for a terminal in the user's language.
QString helpText(const QList<QCommandLineOption> &options, const QString &configPath)
{
    FXHelpText help(25);
    help.addParagraph(FXLocalizedString::format("Usage: %@", QStringLiteral("cambio-ratesd [OPTION]...")));
    help.addParagraph(FXLocalizedString::text("Serves exchange rates to Cambio at %1, gathered from the "
                                              "European Central Bank and the community currency API, "
                                              "and each source's state at %2.")
                          .arg(FXRatesHttpServer::updatePath(), QStringLiteral("/healthz")));
    help.addBlankLine();
    help.addParagraph(FXLocalizedString::format("Every option but --once may also be set in %@, one "
                                                "“name = value” line each; the command line wins.",
                                                configPath));
    help.addBlankLine();
    help.addHeading(FXLocalizedString::text("Options:"));
    for (const QCommandLineOption &option : options) {
        const QString value = option.valueName();
        help.addEntry(QStringLiteral("--") + option.names().constFirst()
                          + (value.isEmpty() ? QString() : u' ' + value),
                      option.description());
    }
    return help.text();
}

}

QString FXServerCommandLine::defaultConfigPath()
{
    return FXPaths::configHome() + QStringLiteral("/cambio-ratesd/cambio-ratesd.conf");
}

QString FXServerCommandLine::defaultEcbUrl()
{
    return QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-hist-90d.xml");
}

QString FXServerCommandLine::defaultEcbHistoryUrl()
{
    return QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-hist.xml");
}

QStringList FXServerCommandLine::defaultApiUrls()
{
    return {QStringLiteral("https://cdn.jsdelivr.net/npm/@fawazahmed0/currency-api@latest/v1/currencies/usd.json"),
            QStringLiteral("https://latest.currency-api.pages.dev/v1/currencies/usd.json")};
}

FXServerCommandLine::Result FXServerCommandLine::parse(const QStringList &arguments, const QString &configPath)
{
    QList<QCommandLineOption> commandLine = settingOptions();
    commandLine.append(QCommandLineOption(QStringLiteral("once"),
                                          FXLocalizedString::text("fetch once, write the table to FILE "
                                                                  "as JSON and exit; exit status 1 "
                                                                  "when no live source answered"),
                                          QStringLiteral("FILE")));
    const QCommandLineOption help(QStringLiteral("help"), FXLocalizedString::text("show this help and exit"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     FXLocalizedString::text("show the version and exit"));
    commandLine += {help, version};
    QCommandLineParser parser;
    parser.addOptions(commandLine);

    if (!parser.parse(QStringList{QStringLiteral("cambio-ratesd")} + arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {Action::Help, {}, helpText(commandLine, configPath)};
    if (parser.isSet(version))
        return {Action::Version, {}, QStringLiteral("cambio-ratesd " CAMBIO_VERSION)};
    if (!parser.positionalArguments().isEmpty())
        return usageError(FXLocalizedString::format("unexpected argument: %@",
                                                    parser.positionalArguments().constFirst()));

    QString error;
    auto values = readConfig(configPath, error);
    if (!values)
        return usageError(error);
    for (const char *setting : settingNames) {
        const QString name = QString::fromLatin1(setting);
        if (parser.isSet(name))
            values->insert(name, parser.values(name));
    }
    const auto last = [&](const char *name) {
        const QStringList given = values->value(QString::fromLatin1(name));
        return given.isEmpty() ? QString() : given.constLast();
    };
    const auto has = [&](const char *name) { return values->contains(QString::fromLatin1(name)); };

    FXServerOptions options;
    if (has("listen")) {
        const auto listen = parseListen(last("listen"));
        if (!listen)
            return usageError(FXLocalizedString::text("%1 needs %2, like %3: %4")
                                  .arg(QStringLiteral("--listen"), QStringLiteral("ADDRESS:PORT"),
                                       QStringLiteral("127.0.0.1:8642"), last("listen")));
        std::tie(options.address, options.port) = *listen;
        options.listenGiven = true;
    }
    const auto ecb = parseUrls(QStringLiteral("ecb-url"), has("ecb-url") ? values->value(QStringLiteral("ecb-url"))
                                                                           : QStringList{defaultEcbUrl()}, error);
    const auto api = parseUrls(QStringLiteral("api-url"), has("api-url") ? values->value(QStringLiteral("api-url"))
                                                                           : defaultApiUrls(), error);
    const auto ecbHistory = parseUrls(QStringLiteral("ecb-history-url"), QStringList{has("ecb-history-url")
                                          ? last("ecb-history-url") : defaultEcbHistoryUrl()}, error);
    if (!ecb || !api || !ecbHistory)
        return usageError(error);
    options.ecbUrls = *ecb;
    options.ecbHistoryUrl = ecbHistory->value(0);
    options.apiUrls = *api;
    if (has("base")) {
        if (last("base").isEmpty())
            return usageError(FXLocalizedString::format("%@ needs a file", QStringLiteral("--base")));
        options.baseFile = QDir::current().absoluteFilePath(last("base"));
    }
    options.stateDirectory = has("state-dir") && !last("state-dir").isEmpty()
                                 ? QDir::current().absoluteFilePath(last("state-dir"))
                                 : FXStateFile::defaultDirectory();
    if (has("max-age")) {
        const auto seconds = parseSeconds(QStringLiteral("max-age"), last("max-age"), 1, largestMaximumAge, error);
        if (!seconds)
            return usageError(error);
        options.maximumAge = std::chrono::seconds(*seconds);
    }
    if (has("idle-exit")) {
        const auto seconds = parseSeconds(QStringLiteral("idle-exit"), last("idle-exit"), 0, largestIdleExit, error);
        if (!seconds)
            return usageError(error);
        options.idleExit = std::chrono::seconds(*seconds);
    }
    if (parser.isSet(QStringLiteral("once"))) {
        const QString file = parser.value(QStringLiteral("once"));
        if (file.isEmpty())
            return usageError(FXLocalizedString::format("%@ needs a file", QStringLiteral("--once")));
        options.onceFile = QDir::current().absoluteFilePath(file);
    }
    return {Action::Run, options, {}};
}
