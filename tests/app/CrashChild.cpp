// Starts the crash handler, then dies the way its argument says, in a function of its own:
//   segv, abort, fpe     that signal
//   overflow             a SIGSEGV from running out of stack
//   crash-while-writing  a SIGSEGV whose report outgrows the file size limit, so that the process
//                        dies of SIGXFSZ halfway through writing it
//   crash-on-a-full-disk the same SIGSEGV with SIGXFSZ ignored: the report's writes fail instead
// The report goes to $XDG_STATE_HOME/crashes; no core file is left.

#include "FXCrashHandler.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Neither sanitizer may catch the fault first: the crash handler is what is tested.
#define RAW_FAULT __attribute__((noinline, no_sanitize_address, no_sanitize_undefined))

RAW_FAULT void crashBySegmentationFault()
{
    // A pointer the compiler cannot see through, so that the store stays a store.
    volatile int *volatile nowhere = nullptr;
    *nowhere = 1;
}

RAW_FAULT void crashByAbort()
{
    std::abort();
}

// Each call keeps a page of its own alive, so that the stack runs out after a few thousand.
RAW_FAULT int crashByStackOverflow(int depth)
{
    volatile char page[4096];
    page[0] = char(depth);
    // Never true before the stack ends; it keeps the compiler from calling the recursion endless.
    if (depth == INT_MAX)
        return page[0];
    return crashByStackOverflow(depth + 1) + page[0];
}

RAW_FAULT int crashByDivisionByZero(int divisor)
{
    // Both read at run time: the division stays a division instruction.
    volatile int dividend = 1;
    volatile int kept = divisor;
    return dividend / kept;
}

}

int main(int argc, char **argv)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const char *state = std::getenv("XDG_STATE_HOME");
    if (argc != 2 || !state) {
        std::fprintf(stderr, "usage: XDG_STATE_HOME=FOLDER crash_child segv|abort|fpe|overflow|crash-while-writing|crash-on-a-full-disk\n");
        return 2;
    }
    const std::string folder = std::string(state) + "/crashes";
    mkdir(state, 0700);
    mkdir(folder.c_str(), 0700);
    if (!FXCrashHandler::install({folder, "0123456789abcdef0123456789abcdef", "9.8.7"}))
        return 3;
    const char *how = argv[1];
    const bool fullDisk = std::strcmp(how, "crash-on-a-full-disk") == 0;
    if (fullDisk)
        std::signal(SIGXFSZ, SIG_IGN);
    if (fullDisk || std::strcmp(how, "crash-while-writing") == 0) {
        const rlimit smallFiles{200, 200};
        setrlimit(RLIMIT_FSIZE, &smallFiles);
        crashBySegmentationFault();
    }
    if (std::strcmp(how, "segv") == 0)
        crashBySegmentationFault();
    if (std::strcmp(how, "abort") == 0)
        crashByAbort();
    if (std::strcmp(how, "overflow") == 0)
        return crashByStackOverflow(0);
    if (std::strcmp(how, "fpe") == 0)
        return crashByDivisionByZero(0);
    return 4;
}
