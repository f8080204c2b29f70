#include "FXCrashHandler.h"

#define UNW_LOCAL_ONLY
#include <libunwind.h>

#include <fcntl.h>
#include <link.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

struct HandledSignal {
    int number;
    const char *name;
};
constexpr HandledSignal HandledSignals[] = {{SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"},
                                            {SIGILL, "SIGILL"},   {SIGFPE, "SIGFPE"},
                                            {SIGABRT, "SIGABRT"}, {SIGTRAP, "SIGTRAP"}};
constexpr int MaximumFrames = 256;
// libunwind's stepping needs a few pages besides the handler's own frame.
constexpr std::size_t AlternateStackSize = 256 * 1024;

// What the handler writes that is known before a crash. Made once by install() and never freed:
// the handler may not allocate, and it may run at any moment until the process ends.
struct Prepared {
    std::string folder;   // ends in '/'
    std::string header;   // "Identifier: ...\nVersion: ...\n"
    std::string modules;  // "Modules:\n" and a line "0xBIAS PATH" for each
    // Left uninitialised: its pages cost no memory until a crash uses them.
    std::unique_ptr<char[]> alternateStack;
};
Prepared *prepared = nullptr;
// The first thread to crash writes the report; any other waits for it to end the process.
std::atomic<bool> handling{false};

// A line of text built without the C library's formatting, which is not async-signal-safe.
class Line {
public:
    Line &text(const char *text)
    {
        while (*text && m_length < sizeof m_buffer)
            m_buffer[m_length++] = *text++;
        return *this;
    }
    Line &number(std::uint64_t value, unsigned base = 10)
    {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value);
        if (base == 16)
            text("0x");
        while (count && m_length < sizeof m_buffer)
            m_buffer[m_length++] = digits[--count];
        return *this;
    }
    Line &signedNumber(std::int64_t value)
    {
        if (value < 0)
            text("-");
        return number(value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value));
    }
    const char *data() const { return m_buffer; }
    std::size_t size() const { return m_length; }
    // The text as a C string, cut where it would not fit.
    const char *terminated()
    {
        m_buffer[m_length < sizeof m_buffer ? m_length : sizeof m_buffer - 1] = '\0';
        return m_buffer;
    }

private:
    char m_buffer[PATH_MAX + 64];
    std::size_t m_length = 0;
};

// Writes to the report's file and remembers whether every byte got there.
class Report {
public:
    explicit Report(int fd) : m_fd(fd) {}
    void write(const char *data, std::size_t size)
    {
        while (m_whole && size > 0) {
            const ssize_t written = ::write(m_fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                m_whole = false;
                return;
            }
            data += written;
            size -= std::size_t(written);
        }
    }
    void write(const Line &line) { write(line.data(), line.size()); }
    void write(const std::string &text) { write(text.data(), text.size()); }
    bool isWhole() const { return m_whole; }

private:
    int m_fd;
    bool m_whole = true;
};

const char *signalName(int signal)
{
    for (const HandledSignal &handled : HandledSignals) {
        if (handled.number == signal)
            return handled.name;
    }
    return "?";
}

void writeFrames(Report &report, void *context)
{
    report.write(Line().text("Frames:\n"));
    unw_cursor_t cursor;
    // Unwinding starts at the interrupted instruction, not in the handler.
    if (unw_init_local2(&cursor, static_cast<unw_context_t *>(context), UNW_INIT_SIGNAL_FRAME) < 0)
        return;
    for (int frame = 0; frame < MaximumFrames; ++frame) {
        unw_word_t address = 0;
        if (unw_get_reg(&cursor, UNW_REG_IP, &address) < 0 || address == 0)
            break;
        report.write(Line().number(address, 16).text("\n"));
        if (unw_step(&cursor) <= 0)
            break;
    }
}

void copyMemoryMap(Report &report)
{
    report.write(Line().text("Memory map:\n"));
    const int maps = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (maps < 0)
        return;
    char buffer[4096];
    ssize_t count;
    while ((count = read(maps, buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR)) {
        if (count > 0)
            report.write(buffer, std::size_t(count));
    }
    close(maps);
}

void writeReport(int signal, const siginfo_t *info, void *context)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const pid_t process = getpid();
    Line name;
    name.text(prepared->folder.c_str()).text("crash-").number(std::uint64_t(now.tv_sec)).text("-")
        .number(std::uint64_t(process));
    Line partial = name;
    Line whole = name;
    partial.text(FXCrashHandler::PartialSuffix);
    whole.text(FXCrashHandler::ReportSuffix);

    const int fd = open(partial.terminated(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    Report report(fd);
    report.write(Line().text("Cambio crash report\n"));
    report.write(prepared->header);
    report.write(Line().text("Process: ").number(std::uint64_t(process)).text("\n"));
    report.write(Line().text("Thread: ").number(std::uint64_t(gettid())).text("\n"));
    report.write(Line().text("Signal: ").number(std::uint64_t(signal)).text(" ")
                     .text(signalName(signal)).text("\n"));
    report.write(Line().text("Code: ").signedNumber(info->si_code).text("\n"));
    report.write(Line().text("Fault address: ")
                     .number(std::uint64_t(reinterpret_cast<std::uintptr_t>(info->si_addr)), 16)
                     .text("\n"));
    report.write(Line().text("Time: ").number(std::uint64_t(now.tv_sec)).text("\n"));
    writeFrames(report, context);
    report.write(prepared->modules);
    copyMemoryMap(report);
    report.write(Line().text(FXCrashHandler::EndOfReport).text("\n"));
    const bool complete = report.isWhole() && fsync(fd) == 0;
    close(fd);
    // Only a whole report takes the name that reports are looked for by.
    if (complete)
        rename(partial.terminated(), whole.terminated());
    else
        unlink(partial.terminated());
}

void handleSignal(int signal, siginfo_t *info, void *context)
{
    if (handling.exchange(true)) {
        for (;;)
            pause();
    }
    const int savedErrno = errno;
    writeReport(signal, info, context);
    errno = savedErrno;
    // SA_RESETHAND has put back the default action. The signal raised here waits until the handler
    // returns; a fault would also come again at the faulting instruction.
    raise(signal);
}

int addModule(dl_phdr_info *info, std::size_t, void *data)
{
    auto &modules = *static_cast<std::string *>(data);
    std::string path = info->dlpi_name ? info->dlpi_name : "";
    if (path.empty()) {
        // The program itself.
        char executable[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
        if (length > 0)
            path.assign(executable, std::size_t(length));
    }
    // The kernel's vDSO has no file.
    if (path.empty() || path.front() != '/')
        return 0;
    Line bias;
    bias.number(std::uint64_t(info->dlpi_addr), 16);
    modules.append(bias.data(), bias.size()).append(" ").append(path).append("\n");
    return 0;
}

}

namespace FXCrashHandler {

bool install(const Setup &setup)
{
    if (prepared)
        return true;
    auto *made = new Prepared;
    made->folder = setup.folder;
    if (made->folder.empty() || made->folder.back() != '/')
        made->folder += '/';
    made->header = "Identifier: " + setup.identifier + "\nVersion: " + setup.version + "\n";
    made->modules = "Modules:\n";
    dl_iterate_phdr(addModule, &made->modules);
    made->alternateStack.reset(new char[AlternateStackSize]);

    stack_t stack{};
    stack.ss_sp = made->alternateStack.get();
    stack.ss_size = AlternateStackSize;
    if (sigaltstack(&stack, nullptr) != 0) {
        delete made;
        return false;
    }
    prepared = made;
    struct sigaction action {};
    action.sa_sigaction = handleSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    // While one report is written, no other fatal signal interrupts it: a fault in the handler
    // itself ends the process at once.
    sigemptyset(&action.sa_mask);
    for (const HandledSignal &handled : HandledSignals)
        sigaddset(&action.sa_mask, handled.number);
    bool installed = true;
    for (const HandledSignal &handled : HandledSignals)
        installed = sigaction(handled.number, &action, nullptr) == 0 && installed;
    return installed;
}

}
