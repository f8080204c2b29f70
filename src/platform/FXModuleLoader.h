#pragma once

#include <QLibrary>
#include <QString>

#include <memory>

// Loads one of the program's modules and finds a function in it. What needs large libraries that
// most runs never use lives in a module loaded at its first use, so that programs start without
// them: "cambio-network" (QtNetwork: downloads and uploads) and "cambio-symbolizer" (elfutils:
// readable crash reports). A module is looked for in the program's ../lib/cambio, then where the
// build put it.
struct FXModuleLoader {
    std::unique_ptr<QLibrary> library;   // none when the module could not be loaded
    QFunctionPointer function = nullptr;
    QString failure;                     // why not, for the user; names the module

    // The module `name` with its function `symbol` resolved.
    static FXModuleLoader load(const QString &name, const char *symbol);
};
