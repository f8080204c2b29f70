#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct Dwfl;

// Names the functions and source lines of addresses in a process that has ended, from the modules
// it had loaded, with elfutils' libdwfl: symbol tables, and DWARF line tables where a module has
// them (the program's own, built with debugging information).
class FXCrashSymbolizer {
public:
    struct Module {
        // Its load bias when given to the constructor, its lowest address when modules() tells.
        quint64 address;
        QString path;
    };
    struct Frame {
        QString function;   // empty when no symbol covers the address
        QString source;     // file:line, empty without line tables
        QString module;     // the file's name, empty when no module holds the address
    };

    // `memoryMap`: the process's /proc/PID/maps at the crash; when empty, `modules` (loaded at the
    // start) say where each file was.
    FXCrashSymbolizer(const QByteArray &memoryMap, const QList<Module> &modules);
    ~FXCrashSymbolizer();
    FXCrashSymbolizer(const FXCrashSymbolizer &) = delete;
    FXCrashSymbolizer &operator=(const FXCrashSymbolizer &) = delete;

    // `isReturnAddress`: the address follows a call, whose own line is wanted.
    Frame describe(quint64 address, bool isReturnAddress) const;
    // Every module found, where it was loaded.
    QList<Module> modules() const;

private:
    Dwfl *m_dwfl;
};
