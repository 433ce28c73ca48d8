// Start-up against bare Qt windows: runs the probes in turn (A B C A B C
// ...), times each from just before it is spawned to the first idle moment
// after its window is shown, and prints the medians of time and peak memory,
// the program's ratios to each other probe and whether those to the yardstick
// (the second probe: a bare window with the main window's Thai title, label
// and two buttons with their glyphs, since any window that shows Thai pays
// for the Thai fonts and word breaking before it does anything of its own)
// are within the targets.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr double kTimeTarget = 1.2;
constexpr double kMemoryTarget = 1.3;

struct Run {
    double ms = 0;
    double cpuMs = 0;
    double peakMib = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Spawns a probe and reads its "idle_ns=... cpu_us=... peak_kib=..." line.
bool runProbe(const char *path, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(path), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNs();
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    long long idle = 0, cpu = 0;
    long peakKib = 0;
    if (std::sscanf(text.c_str(), "idle_ns=%lld cpu_us=%lld peak_kib=%ld", &idle, &cpu, &peakKib) != 3
        || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.ms = double(idle - started) / 1e6;
    run.cpuMs = double(cpu) / 1e3;
    run.peakMib = double(peakKib) / 1024.0;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Probe {
    const char *path = nullptr;
    std::vector<double> ms, cpuMs, peakMib;
};

std::string baseName(const char *path)
{
    const std::string name(path);
    return name.substr(name.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 0;
    if (argc < 4 || rounds < 1) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM_PROBE YARDSTICK_PROBE [REFERENCE_PROBE...]\n", argv[0]);
        return 2;
    }
    std::vector<Probe> probes;
    for (int i = 2; i < argc; ++i)
        probes.push_back({argv[i], {}, {}, {}});
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // One round first, not counted, so that every probe starts with its files cached.
    for (int round = -1; round < rounds; ++round) {
        for (Probe &probe : probes) {
            Run run;
            if (!runProbe(probe.path, run)) {
                std::fprintf(stderr, "%s did not report its first idle moment\n", probe.path);
                return 1;
            }
            if (round >= 0) {
                probe.ms.push_back(run.ms);
                probe.cpuMs.push_back(run.cpuMs);
                probe.peakMib.push_back(run.peakMib);
            }
        }
    }

    std::printf("start-up to the first idle moment after the window is shown: %d rounds of %zu probes run\n"
                "in turn on the offscreen platform\n",
                rounds, probes.size());
    std::printf("  %-22s %9s %20s %12s %12s\n", "", "median", "min .. max", "processor", "peak memory");
    for (const Probe &probe : probes) {
        const auto [least, most] = std::minmax_element(probe.ms.begin(), probe.ms.end());
        std::printf("  %-22s %6.1f ms  %6.1f .. %6.1f ms  %7.1f ms  %7.1f MiB\n", baseName(probe.path).c_str(),
                    median(probe.ms), *least, *most, median(probe.cpuMs), median(probe.peakMib));
    }
    const Probe &program = probes[0], &yardstick = probes[1];
    for (std::size_t i = 1; i < probes.size(); ++i) {
        const Probe &other = probes[i];
        std::printf("  %s against %s: time %.2fx, processor time %.2fx, memory %.2fx\n",
                    baseName(program.path).c_str(), baseName(other.path).c_str(),
                    median(program.ms) / median(other.ms), median(program.cpuMs) / median(other.cpuMs),
                    median(program.peakMib) / median(other.peakMib));
    }
    const double timeRatio = median(program.ms) / median(yardstick.ms);
    const double cpuRatio = median(program.cpuMs) / median(yardstick.cpuMs);
    const double memoryRatio = median(program.peakMib) / median(yardstick.peakMib);
    // Processor time is less disturbed by other work on the machine than the
    // time on the clock; both are held to the target.
    std::printf("  time   %.2fx, processor time %.2fx %s (target at most %.1fx): %s\n", timeRatio, cpuRatio,
                baseName(yardstick.path).c_str(), kTimeTarget,
                timeRatio <= kTimeTarget && cpuRatio <= kTimeTarget ? "met" : "NOT met");
    std::printf("  memory %.2fx %s (target at most %.1fx): %s\n", memoryRatio, baseName(yardstick.path).c_str(),
                kMemoryTarget, memoryRatio <= kMemoryTarget ? "met" : "NOT met");
    return 0;
}
