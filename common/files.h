// Checked files and a checked standard output: every open, close and write
// of the suite fails loudly, naming the file, never silently.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>

// After reading `got` of the `needed` records (each of `what`, e.g.
// "time-value pairs") from the named file: dies, saying why, when fewer were
// read: an input error (a directory, say), the end of the file, or a
// non-number.
void die_if_short(const std::istream& in, const char* name, long got, long needed, const char* what);

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

// The path of a file named `name` in the folder `dir`; the name alone when
// the folder is "." (so messages about the default run name the bare file).
std::string in_folder(const char* dir, const char* name);

// Flushes standard output (the stream and stdio alike); dies "write error on
// standard output: reason" when anything written there was lost.
void check_standard_output();

// Runs check_standard_output's test once more at exit (registered once).
void check_standard_output_at_exit();
