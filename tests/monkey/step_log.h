// The monkey's record of what it did: the seed, and a ring buffer of the last
// steps that is written to stderr when the walk fails or the process dies
// (a sanitizer report, a fatal signal, std::terminate), so that a failure
// can be replayed with the same seed and step count.
#pragma once

#include <QString>

#include <cstdint>

namespace monkey {

// Remembers the seed and installs the handlers that dump the log when the
// process dies.
void startLog(std::uint64_t seed, int steps);

// Records what a step is about to do; with `trace` it is also printed at once.
void logStep(int step, const QString &what);
void setTrace(bool trace);

// Adds a note to the step being logged (a message box answered, a menu item).
void logNote(const QString &what);

// The text with control and invisible characters written as \u{...}, so that
// a log line shows every character and a NUL does not end it.
QString printable(const QString &text);

// Writes the seed, the reproduction command and the last steps to stderr.
void dumpLog(const char *reason);

} // namespace monkey
