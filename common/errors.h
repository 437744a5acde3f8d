// Error reporting shared by every program of the suite: the program's name
// first, then the message, on standard error.
#pragma once

// Prints "program: message" on standard error and exits with status 1.
// A format ending in ':' gets the system's reason appended (": No such file").
[[noreturn]] void die(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Prints "program: message" on standard error and goes on; the same ':' rule.
void warn(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
