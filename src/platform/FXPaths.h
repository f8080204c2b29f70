#pragma once

#include <QString>

#include <optional>

// Where the program keeps its files, from the XDG base directory variables.
namespace FXPaths {

// XDG_CONFIG_HOME (default ~/.config)/io.github.cambio.Cambio: the user defaults.
QString configDirectory();

// XDG_DATA_HOME (default ~/.local/share)/io.github.cambio.Cambio.group: the folder that the
// window and the command-line tool share, created on first use. None when it cannot be created.
std::optional<QString> applicationGroupContainer();

}
