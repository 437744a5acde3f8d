// Line-by-line reading of the whitespace-separated record files of this folder
// (uber.tsv, rides.txt, the leg files): words of a line, their conversion, and
// the report of lines that were skipped.
#pragma once

#include <fstream>
#include <istream>
#include <string>
#include <vector>

// What one line of a record file turned out to be.
enum class LineKind { record, blank, malformed };

// Reads lines up to the next one that scan(line) takes as a record; malformed
// lines are counted in skipped, blank ones pass silently. False at end of
// input.
template <typename Scan>
bool next_record(std::istream& in, Scan scan, long& skipped)
{
    std::string line;
    while (std::getline(in, line)) {
        const LineKind kind = scan(line);
        if (kind == LineKind::record)
            return true;
        if (kind == LineKind::malformed)
            ++skipped;
    }
    return false;
}

// The white-space separated words of a line.
std::vector<std::string> split_words(const std::string& line);

// Whole-word conversions as the record scans convert: an optional sign, then
// decimal digits (leading zeros allowed) for an int in 32-bit range; any form
// strtod takes (also inf, nan) for a double. False when the word is not one.
bool word_to_int(const std::string& word, int& value);
bool word_to_double(const std::string& word, double& value);

// One line on standard error when a file had malformed lines.
void report_skipped(const char* name, long skipped);

// Dies naming the file when reading it failed (not at its end: a directory,
// an input error).
void check_read(const std::istream& in, const char* name);
