#pragma once

#include <string>

// Writes a report when the program dies of a fatal signal (SIGSEGV, SIGBUS, SIGILL, SIGFPE,
// SIGABRT, SIGTRAP), then lets the signal's default action run, so that core dumps and
// systemd-coredump see the crash as if nothing had caught it.
//
// The handler runs on an alternate signal stack on the thread that installs it (a stack overflow
// of the main thread still gets its report; other threads use their own stack) and uses
// async-signal-safe calls only: whatever it writes that is known beforehand is made at
// installation, the return addresses come from libunwind, and the report is written under a
// temporary name and renamed once whole, so that a crash while writing never leaves half a report
// where reports are looked for. The report names its frames by address only; FXCrashReport makes
// them readable at the next start.
//
// A report "crash-SECONDS-PID.crash" holds lines "Key: value" (Identifier, Version, Process, Thread,
// Signal, Code, Fault address, Time), then the sections "Frames:" (one return address a line, the
// faulting instruction first), "Modules:" (each module loaded at installation: its load bias and
// its path) and "Memory map:" (the process's /proc/self/maps at the crash), and last the line
// "End of report".
namespace FXCrashHandler {

struct Setup {
    std::string folder;       // where reports go; must exist
    std::string identifier;   // the application's identifier
    std::string version;
};

// Installs the handlers for the life of the process; a second call changes nothing. False when
// the handlers could not be installed.
bool install(const Setup &setup);

inline constexpr char ReportSuffix[] = ".crash";
inline constexpr char PartialSuffix[] = ".partial";
inline constexpr char EndOfReport[] = "End of report";

}
