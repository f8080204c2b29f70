#pragma once

#include <QString>

#include <optional>

// Where the program keeps its files, from the XDG base directory variables.
namespace FXPaths {

// XDG_CONFIG_HOME (default ~/.config) itself, for each program to keep its own folder below.
QString configHome();
// configHome()/io.github.cambio.Cambio: the user defaults.
QString configDirectory();

// XDG_DATA_HOME (default ~/.local/share)/io.github.cambio.Cambio.group: the folder that the
// window and the command-line tool share, created on first use. None when it cannot be created.
std::optional<QString> applicationGroupContainer();

// XDG_STATE_HOME (default ~/.local/state) and XDG_CACHE_HOME (default ~/.cache) themselves, for
// each program to keep its own folder below.
QString stateHome();
QString cacheHome();

}
