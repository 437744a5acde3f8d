// pi_series: asks for a number of terms N and prints 4 times the sum of the
// first N terms of the Leibniz series 1 - 1/3 + 1/5 - ..., with its error
// relative to pi.
#include <cmath>
#include <cstdio>
#include <iostream>

#include "common/errors.h"
#include "common/command_line.h"
#include "common/constants.h"
#include "integration/term_count.h"

namespace {
constexpr ProgramUsage usage{
    "", "Asks for a number of terms N and prints pi from the first N terms of the Leibniz\n"
        "series, with its fractional error.\n"
        "Reads N from standard input; writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::printf("Enter the number of terms in the Leibniz Series: ");
    std::fflush(stdout);
    const TermCount terms = read_term_count(std::cin);
    switch (terms.status) {
    case TermCountStatus::ok:
        break;
    case TermCountStatus::end_of_input:
        die("no number of terms given");
    case TermCountStatus::not_a_number:
        die("not a number of terms: %s", terms.text.c_str());
    case TermCountStatus::out_of_range:
        die("number of terms out of range: %s", terms.text.c_str());
    }

    // The i = 0 step adds 1/(-1) and cancels the starting 1. The counter and
    // 2i - 1 are 64-bit so that N up to INT_MAX neither wraps nor loops forever.
    double s = 1.0;
    for (long long i = 0; i <= terms.value; ++i) {
        const double d = static_cast<double>(2 * i - 1);
        if (i % 2 != 0)
            s = s - 1.0 / d;
        else
            s = 1.0 / d + s;
    }
    const double estimate = std::fabs(s) * 4.0;
    const double error = (pi - estimate) / pi;
    std::printf("Value of Pi: %f \n", estimate);
    std::printf("Fractional error: %f \n", error);
    return 0;
}
