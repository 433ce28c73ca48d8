// The ring buffer of steps and its dump from the failure paths. The dump only
// uses write(2) on fixed buffers, so that it also works from a signal handler.
#include "step_log.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace monkey {

namespace {

constexpr int kEntries = 80;
constexpr std::size_t kEntryLength = 240;

struct Entry {
    int step = -1;
    char text[kEntryLength] = {};
};

Entry g_ring[kEntries];
int g_next = 0;
std::uint64_t g_seed = 0;
int g_steps = 0;
int g_lastStep = 0;
bool g_trace = false;
volatile std::sig_atomic_t g_dying = 0;

void writeAll(const char *text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= std::size_t(written);
    }
}

// Appends to the entry the step is being logged in, cutting what does not fit.
void append(Entry &entry, const QByteArray &utf8)
{
    const std::size_t used = std::strlen(entry.text);
    const std::size_t room = kEntryLength - 1 - used;
    std::size_t length = std::min<std::size_t>(room, std::size_t(utf8.size()));
    // Never cut a UTF-8 sequence in half.
    while (length > 0 && length < std::size_t(utf8.size()) && (utf8[qsizetype(length)] & 0xC0) == 0x80)
        --length;
    std::memcpy(entry.text + used, utf8.constData(), length);
    entry.text[used + length] = '\0';
}

} // namespace

QString printable(const QString &text)
{
    QString shown;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || c.category() == QChar::Other_Format || c.isSurrogate())
            shown += QStringLiteral("\\u{%1}").arg(int(u), 0, 16);
        else
            shown += c;
    }
    return shown;
}

namespace {

// The process is going down: the log is written once, whichever path comes first.
void dumpOnce(const char *reason)
{
    if (g_dying)
        return;
    g_dying = 1;
    dumpLog(reason);
}

void onSignal(int signal)
{
    dumpOnce(signal == SIGABRT ? "abort" : "fatal signal");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void onDeath()
{
    dumpOnce("sanitizer report");
}

void onTerminate()
{
    dumpOnce("std::terminate");
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

} // namespace

void startLog(std::uint64_t seed, int steps)
{
    g_seed = seed;
    g_steps = steps;
    std::fprintf(stderr, "monkey: seed %llu, %d steps\n", static_cast<unsigned long long>(seed), steps);
    std::fflush(stderr);
    // The sanitizers report memory faults themselves and then call back; the
    // remaining signals are caught here.
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(onDeath);
    for (int signal : {SIGABRT, SIGILL})
        std::signal(signal, onSignal);
#else
    (void)onDeath;
    for (int signal : {SIGABRT, SIGILL, SIGSEGV, SIGBUS, SIGFPE})
        std::signal(signal, onSignal);
#endif
    std::set_terminate(onTerminate);
}

void setTrace(bool trace)
{
    g_trace = trace;
}

void logStep(int step, const QString &what)
{
    Entry &entry = g_ring[g_next];
    g_next = (g_next + 1) % kEntries;
    entry.step = step;
    g_lastStep = step;
    std::snprintf(entry.text, kEntryLength, "#%d ", step);
    append(entry, printable(what).toUtf8());
    if (g_trace) {
        writeAll(entry.text);
        writeAll("\n");
    }
}

void logNote(const QString &what)
{
    const int last = (g_next + kEntries - 1) % kEntries;
    Entry &entry = g_ring[last];
    if (entry.step < 0)
        return;
    append(entry, " | " + printable(what).toUtf8());
    if (g_trace) {
        writeAll("    ");
        writeAll((printable(what).toUtf8() + '\n').constData());
    }
}

void dumpLog(const char *reason)
{
    char line[256];
    std::snprintf(line, sizeof line,
                  "\nmonkey: %s at step %d (seed %llu, %d steps); replay with\n"
                  "  VARO_MONKEY_SEED=%llu VARO_MONKEY_STEPS=%d VARO_MONKEY_TRACE=1 ./monkey_test\n"
                  "monkey: the last steps, oldest first:\n",
                  reason, g_lastStep, static_cast<unsigned long long>(g_seed), g_steps,
                  static_cast<unsigned long long>(g_seed), g_lastStep + 1);
    writeAll(line);
    for (int i = 0; i < kEntries; ++i) {
        const Entry &entry = g_ring[(g_next + i) % kEntries];
        if (entry.step < 0)
            continue;
        writeAll("  ");
        writeAll(entry.text);
        writeAll("\n");
    }
}

} // namespace monkey
