// Error reporting and file opening shared by every program of the suite.
#pragma once

#include <fstream>

// Prints "program: message" on standard error and exits with status 1.
// A format ending in ':' gets the system's reason appended (": No such file").
[[noreturn]] void die(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Prints "program: message" on standard error and goes on; the same ':' rule.
void warn(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// After reading `got` of the `needed` records (each of `what`, e.g.
// "time-value pairs") from the named file: dies, saying why, when fewer were
// read: an input error (a directory, say), the end of the file, or a
// non-number.
void die_if_short(const std::istream& in, const char* name, int got, int needed, const char* what);

// Opens a file for reading, or dies naming it.
std::ifstream open_input(const char* name);

// Creates (truncates) a file for writing, or dies naming it.
std::ofstream open_output(const char* name);
