// Typed answers of the account programs, read the way the formatted scans
// read them, from any stream (a terminal, a pipe or bytes in memory), and the
// minimum-balance rule both programs apply.
#pragma once

#include <cstdio>
#include <string>

enum class Answer {
    given,          // the answer was read
    not_a_number,   // a balance was due and the text there is not one
    missing,        // end of input before the answer
};

// One word as "%s" reads it: white space skipped, then everything up to the
// next white space, which stays unread. No length limit.
Answer read_word(std::FILE* in, std::string& word);

// A balance as "%f" reads it.
Answer read_balance(std::FILE* in, float& balance);

// Prints the balance prompt on out, flushed, and reads the balance; ends the
// program with a message and status 1 when none is given or it is not a number.
float ask_balance(std::FILE* in, std::FILE* out);

// One character: the very next one as "%c" reads it, or with skip_space the
// first one after any white space, as " %c" reads it.
Answer read_letter(std::FILE* in, bool skip_space, char& letter);

// The balance below which each account type is charged the fee.
struct MinimumBalances {
    float saving;     // type 's'
    float checking;   // type 'c'
};
constexpr MinimumBalances usual_minimums{1000.0f, 500.0f};

// The minimum balance of an account type, 's' saving or 'c' checking; a fee is
// charged when the balance is strictly below it. False for any other type.
bool minimum_balance(char type, float& minimum, const MinimumBalances& minimums = usual_minimums);
