// fee_check: asks for one account's type and balance and says whether the
// minimum-balance fee must be charged.
#include "accounts/answers.h"
#include "common/errors.h"
#include "common/command_line.h"

#include <cstdio>

namespace {

MinimumBalances minimums = usual_minimums;   // dollars
const Options options = {
    {"saving-minimum", &minimums.saving, "dollars", "balance below which a saving account is charged"},
    {"checking-minimum", &minimums.checking, "dollars",
     "balance below which a checking account is charged"},
};
constexpr ProgramUsage usage{
    "", "Asks for one account's type and balance and says whether the minimum-balance fee\n"
        "must be charged.\n"
        "Reads standard input; writes no file."};

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    std::FILE* in = stdin;
    std::FILE* out = stdout;

    std::fputs("c = checking, s = saving \nPlease enter the account type:\n", out);
    std::fflush(out);
    // The type is the very next character: a blank or newline before the
    // letter makes it a wrong type.
    char type;
    if (read_letter(in, false, type) == Answer::missing)
        die("end of input before the account type");
    float minimum;
    if (!minimum_balance(type, minimum, minimums)) {
        std::fputs("You didn't enter the right account type. Please try again.", out);
        return 0;
    }

    const float balance = ask_balance(in, out);

    if (minimum > balance)
        std::fputs("A minimum balance fee needs to be charged to this account.\n", out);
    else
        std::fputs("A minimum balance fee does not need to be charged to this account.\n", out);
    return 0;
}
