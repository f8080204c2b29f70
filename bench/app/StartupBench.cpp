// Start-up of the converter window against its floor, in one run on the same display: the time
// from starting the program to its first painted frame (told by the line it prints then), and
// its resident memory at that moment, and the time from that frame to the end of the process. Both
// programs run in turns, after one warm-up run each; medians are printed, with cambio's time as a
// multiple of the floor's and its memory above it.
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/bench/app/startup_bench [ROUNDS]
//
// cambio runs in a temporary home with six currencies, a rates server that refuses, and en_US.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Start {
    double milliseconds;
    long residentKibibytes;
    // From the first frame to the end of the process.
    double quitMilliseconds;
};

// Runs `arguments` and waits for its "first-paint rss_kib=N" line, then for its end.
Start run(const std::vector<std::string> &arguments)
{
    int output[2];
    if (pipe(output) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    std::string text;
    Start start{-1, 0, 0};
    char buffer[256];
    while (start.milliseconds < 0) {
        const ssize_t got = read(output[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, size_t(got));
        const auto line = text.find("first-paint rss_kib=");
        if (line != std::string::npos && text.find('\n', line) != std::string::npos) {
            start.milliseconds = std::chrono::duration<double, std::milli>(
                                     std::chrono::steady_clock::now() - started)
                                     .count();
            start.residentKibibytes = std::atol(text.c_str() + line + 20);
        }
    }
    while (read(output[0], buffer, sizeof buffer) > 0) {
    }
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    start.quitMilliseconds = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - started)
                                 .count()
                             - start.milliseconds;
    if (start.milliseconds < 0) {
        std::fprintf(stderr, "%s never painted (exit status %d)\n", argv[0], status);
        std::exit(1);
    }
    return start;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 25;
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "Run under a display, for example: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    char folder[] = "/tmp/cambio-startup-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string home = folder;
    std::filesystem::create_directories(home + "/run");
    std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    setenv("LC_ALL", "C", 1);
    setenv("CAMBIO_RATES_URL", "http://127.0.0.1:9/update.php", 1);
    // A window running on the user's session bus would answer for the measured one.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string cli = CAMBIO_CLI_PATH;
    if (std::system((cli + " main USD >/dev/null && " + cli + " visible add CHF >/dev/null").c_str()) != 0)
        return 1;

    const std::vector<std::string> cambio{CAMBIO_PATH, "--quit-after-first-paint"};
    const std::vector<std::string> floor{FLOOR_PATH};
    run(cambio);
    run(floor);
    std::vector<double> cambioTimes, floorTimes;
    std::vector<long> cambioMemory, floorMemory;
    std::vector<double> cambioQuits, floorQuits;
    for (int round = 0; round < rounds; ++round) {
        const Start floorStart = run(floor);
        const Start cambioStart = run(cambio);
        floorTimes.push_back(floorStart.milliseconds);
        floorMemory.push_back(floorStart.residentKibibytes);
        cambioTimes.push_back(cambioStart.milliseconds);
        cambioMemory.push_back(cambioStart.residentKibibytes);
        floorQuits.push_back(floorStart.quitMilliseconds);
        cambioQuits.push_back(cambioStart.quitMilliseconds);
    }
    std::filesystem::remove_all(home);

    const double floorTime = median(floorTimes);
    const double cambioTime = median(cambioTimes);
    const long floorKib = median(floorMemory);
    const long cambioKib = median(cambioMemory);
    std::printf("rounds %d\n", rounds);
    std::printf("floor   first paint %7.1f ms   resident %6.1f MiB\n", floorTime, floorKib / 1024.0);
    std::printf("cambio  first paint %7.1f ms   resident %6.1f MiB\n", cambioTime, cambioKib / 1024.0);
    std::printf("cambio/floor time %.2fx (goal under 1.2x), resident %+.1f MiB (goal at most +5 MiB)\n",
                cambioTime / floorTime, (cambioKib - floorKib) / 1024.0);
    std::printf("quitting after the first frame: floor %.1f ms, cambio %.1f ms (goal under 10 ms)\n",
                median(floorQuits), median(cambioQuits));
    return 0;
}
