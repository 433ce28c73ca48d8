// Ends a start-up probe at the first idle moment after its window is on the
// screen, and prints when that was, the processor time and the peak memory
// so far.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace probe {

inline long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// The process's peak resident memory (VmHWM) in KiB.
inline long peakKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// The processor time of all the process's threads so far, in microseconds.
inline long long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micro = [](const timeval &t) { return t.tv_sec * 1'000'000LL + t.tv_usec; };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

// One pass of the event loop: once the window was exposed at the pass
// before (its expose is painted at once, and this pass ran what the painting
// posted), prints "idle_ns=<CLOCK_MONOTONIC> cpu_us=<user + system>
// peak_kib=<VmHWM>" and quits.
inline void pollIdle(QWidget *window, bool exposedBefore)
{
    if (exposedBefore) {
        std::printf("idle_ns=%lld cpu_us=%lld peak_kib=%ld\n", monotonicNs(), cpuMicroseconds(), peakKib());
        std::fflush(stdout);
        QCoreApplication::exit(0);
        return;
    }
    const bool exposed = window->windowHandle() && window->windowHandle()->isExposed();
    QTimer::singleShot(0, window, [window, exposed] { pollIdle(window, exposed); });
}

// Call after the window is shown, before the event loop starts.
inline void quitAtFirstIdle(QWidget &window)
{
    pollIdle(&window, false);
}

} // namespace probe
