// The typed number of terms of pi_series, in C's integer notation as "%i"
// reads it: a leading 0 means octal, a leading 0x hexadecimal.
#pragma once

#include <istream>
#include <string>

enum class TermCountStatus { ok, end_of_input, not_a_number, out_of_range };

struct TermCount {
    TermCountStatus status;
    int value;          // valid when status is ok
    std::string text;   // the answer typed, for messages
};

// Skips blanks and empty lines, then reads the rest of that line as the
// answer. Blanks after the number are allowed; anything else after it ("1e6",
// "09", "12 terms") makes the answer not a number, never a count read from
// its first digits. A number outside the int range is refused rather than
// wrapped.
TermCount read_term_count(std::istream& in);
