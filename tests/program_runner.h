// Runs a built program of the suite in a fresh temporary directory and hands
// back what it printed, how it ended and the files it left there.
#pragma once

#include <map>
#include <string>
#include <vector>

struct ProgramCase {
    std::vector<std::string> args;              // arguments after the program name
    std::map<std::string, std::string> files;   // files placed in the directory first
    std::vector<std::string> dirs;              // directories made there first (e.g. to block an output)
    std::string input;                          // standard input (then end of input)
    double timeout_s = 120;                     // killed after this many seconds
    std::vector<std::string> full = {};         // names linked to /dev/full there: a full disk
    bool output_full = false;                   // standard output on /dev/full
};

struct ProgramRun {
    std::string out;                            // standard output
    std::string err;                            // standard error
    int status = -1;                            // exit status, or 128 + signal number
    bool signaled = false;                      // ended by a signal (a crash or the timeout)
    bool timed_out = false;
    std::map<std::string, std::string> files;   // every regular file left, by name
};

// The NaN that an invalid operation (0/0, inf - inf) makes, as printf shows
// it: x86 processors set its sign bit, ARM and most others do not. Programs
// print it where they divide 0 by 0; every other printed digit is the same on
// both.
#if defined(__x86_64__) || defined(__i386__)
inline const std::string invalid_nan = "-nan";
#else
inline const std::string invalid_nan = "nan";
#endif

// Path of a built program, e.g. program_path("crab_spectrum"); a name that
// holds a '/' is a path already (a tool that runs a program, say).
std::string program_path(const std::string& name);

// Runs the named program (or path) on the case; the directory is removed
// afterwards.
ProgramRun run_program(const std::string& name, const ProgramCase& c);

// Whole contents of a file ("" when it cannot be read).
std::string read_file(const std::string& path);

// Number of '\n'-ended lines in a text.
size_t count_lines(const std::string& text);

// The lines of a text, without their '\n'.
std::vector<std::string> split_lines(const std::string& text);
