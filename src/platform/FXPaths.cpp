#include "FXPaths.h"

#include <QDir>

namespace {

QString xdgDirectory(const char *variable, const QString &fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + u'/' + fallbackUnderHome;
}

}

namespace FXPaths {

QString configHome()
{
    return xdgDirectory("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString configDirectory()
{
    return configHome() + QStringLiteral("/io.github.cambio.Cambio");
}

std::optional<QString> applicationGroupContainer()
{
    const QString path = xdgDirectory("XDG_DATA_HOME", QStringLiteral(".local/share"))
                         + QStringLiteral("/io.github.cambio.Cambio.group");
    if (!QDir().mkpath(path))
        return std::nullopt;
    return path;
}

QString stateHome()
{
    return xdgDirectory("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

QString cacheHome()
{
    return xdgDirectory("XDG_CACHE_HOME", QStringLiteral(".cache"));
}

}
