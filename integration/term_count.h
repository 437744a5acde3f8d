// The typed number of terms of pi_series, read as scanf's "%i" reads it:
// a leading 0 means octal, a leading 0x hexadecimal.
#pragma once

#include <istream>
#include <string>

enum class TermCountStatus { ok, end_of_input, not_a_number, out_of_range };

struct TermCount {
    TermCountStatus status;
    int value;          // valid when status is ok
    std::string text;   // the word typed, for messages
};

// Reads the first word of in and converts its longest leading integer
// (optional sign, then a decimal, octal or hexadecimal number); whatever
// follows in the word is ignored, as "%i" leaves it unread. A number outside
// the int range is refused rather than wrapped.
TermCount read_term_count(std::istream& in);
