#include "FXServerOptions.h"

#include "FXPaths.h"
#include "FXStateFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <limits>

namespace {

using Result = FXServerCommandLine::Result;
using Action = FXServerCommandLine::Action;

struct Setting {
    const char *name;
    const char *valueName;
    const char *description;
};

// Every option but --once can also be written in the configuration file.
const Setting settings[] = {
    {"listen", "ADDRESS:PORT", "where to listen (default 127.0.0.1:8642; [::1]:8642 for IPv6)"},
    {"ecb-url", "URL", "the central bank's reference rates (XML; default its 90-day file, whose days also "
                       "keep the history complete); \"\" turns them off"},
    {"ecb-history-url", "URL", "the central bank's full history (XML), taken into the history once; "
                               "\"\" turns that off"},
    {"api-url", "URL", "the currency API's dollar table (JSON); repeat for fallbacks; \"\" turns it off"},
    {"base", "FILE", "the table for currencies no live source has: a rates document or a JSON "
                     "answer (default: the converter's own seed)"},
    {"state-dir", "DIR", "where the last good table is kept (default $XDG_STATE_HOME/cambio-ratesd)"},
    {"max-age", "SECONDS", "how old the newest rates may be for the table to count as current "
                           "(default 604800, a week; at most 315360000, ten years)"},
    {"idle-exit", "SECONDS", "exit after that long without a request, for socket activation "
                             "(default 0: never; at most 2147483, about 24 days)"},
};

// Beyond ten years no table is current in any useful sense.
constexpr qint64 largestMaximumAge = 10 * 365 * 86400;
// The idle timer counts in milliseconds in an int.
constexpr qint64 largestIdleExit = std::numeric_limits<int>::max() / 1000;

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
        const auto known = std::find_if(std::begin(settings), std::end(settings),
                                        [&](const Setting &setting) { return name == QLatin1StringView(setting.name); });
        if (equals < 0 || known == std::end(settings)) {
            error = QStringLiteral("%1:%2: not a setting: %3").arg(path).arg(lineNumber).arg(line);
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
            error = QStringLiteral("--%1 needs an http or https URL: %2").arg(option, value);
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
        error = QStringLiteral("--%1 needs a whole number of seconds from %2 to %3: %4")
                    .arg(option).arg(smallest).arg(largest).arg(value);
        return std::nullopt;
    }
    return seconds;
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
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves exchange rates to Cambio at /lab/lumenfold/update.php, gathered from the "
                       "European Central Bank and the community currency API, their daily history at "
                       "/lab/lumenfold/history.php, and each source's state at /healthz.\n\nEvery option but --once may also be set in %1, one "
                       "\"name = value\" line each; the command line wins.").arg(configPath));
    for (const Setting &setting : settings) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(setting.name), QString::fromUtf8(setting.description),
                                            QString::fromLatin1(setting.valueName)));
    }
    parser.addOption(QCommandLineOption(QStringLiteral("once"),
                                        QStringLiteral("fetch once, write the table to FILE as JSON and exit; "
                                                       "exit status 1 when no live source answered"),
                                        QStringLiteral("FILE")));
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("show this help and exit"));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("show the version and exit"));
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(QStringList{QStringLiteral("cambio-ratesd")} + arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {Action::Help, {}, parser.helpText()};
    if (parser.isSet(version))
        return {Action::Version, {}, QStringLiteral("cambio-ratesd " CAMBIO_VERSION)};
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst());

    QString error;
    auto values = readConfig(configPath, error);
    if (!values)
        return usageError(error);
    for (const Setting &setting : settings) {
        const QString name = QString::fromLatin1(setting.name);
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
            return usageError(QStringLiteral("--listen needs ADDRESS:PORT, like 127.0.0.1:8642: ") + last("listen"));
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
            return usageError(QStringLiteral("--base needs a file"));
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
            return usageError(QStringLiteral("--once needs a file"));
        options.onceFile = QDir::current().absoluteFilePath(file);
    }
    return {Action::Run, options, {}};
}
