// Starts the crash handler, then dies the way its argument says, in a function of its own:
//   overflow             a SIGSEGV from running out of stack
//   crash-while-writing  a SIGSEGV whose report outgrows the file size limit, so that the process
//                        dies of SIGXFSZ halfway through writing it
//   crash-on-a-full-disk the same SIGSEGV with SIGXFSZ ignored: the report's writes fail instead
// The report goes to the folder named by the second argument; no core file is left.

#include "FXCrashHandler.h"

#include <sys/resource.h>

#include <climits>
#include <csignal>
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

}

int main(int argc, char **argv)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (argc != 3)
        return 2;
    if (!FXCrashHandler::install({argv[2], "0123456789abcdef0123456789abcdef", "9.8.7"}))
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
    if (std::strcmp(how, "overflow") == 0)
        return crashByStackOverflow(0);
    return 4;
}
