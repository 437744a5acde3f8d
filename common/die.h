// Error reporting, checked files and standard output, and the command line
// (--help, --version, the usage line) shared by every program of the suite.
#pragma once

#include <cstdio>
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

// Closes a written file; dies "cannot write NAME: reason" when any of its data
// did not reach the file (a full disk, say).
void close_output(std::ofstream& out, const char* name);
void close_output(std::FILE* out, const char* name);

// For a file flushed record by record: dies as close_output does when the
// record just written did not reach it, so a full disk ends the run at once.
void check_output(const std::ostream& out, const char* name);

// Flushes standard output (the stream and stdio alike); dies "write error on
// standard output: reason" when anything written there was lost. Every
// program that called handle_options runs this check at exit as well.
void check_standard_output();

// What a program says of itself.
struct ProgramUsage {
    const char* arguments;   // after the program name on the usage line; "" for none
    const char* about;       // the rest of --help: what it computes, what it reads and writes
};

// The first call of every main. Answers --help and --version on standard
// output with status 0 before any file or input is touched; a program that
// takes no arguments refuses any other one with its usage line, status 1.
// Standard output is checked at exit from here on.
void handle_options(int argc, char** argv, const ProgramUsage& usage);

// The usage line on standard error, the answer to missing arguments.
void print_usage(const ProgramUsage& usage);
