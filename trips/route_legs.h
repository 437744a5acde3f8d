// The leg files of cheapest_route: one leg a line, origin, destination, cost.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "trips/record_lines.h"

struct Leg {
    std::string origin;
    std::string destination;
    int cost;
};

// Longest city names a leg file's table holds; a longer one makes its line
// malformed.
struct LegLayout {
    std::size_t origin_max;
    std::size_t destination_max;
};

// One line: two names within the layout's lengths and an integer cost.
LineKind scan_leg_record(const std::string& line, const LegLayout& layout, Leg& leg);

struct LegFile {
    std::vector<Leg> legs;   // the first records, at most the count asked for
    long skipped = 0;        // malformed lines before the last record kept
};

// Reads up to count legs (every leg of the file when count is all_records);
// lines after the last one needed are not looked at.
LegFile read_legs(std::istream& in, const LegLayout& layout, long count);
