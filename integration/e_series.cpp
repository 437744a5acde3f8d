// e_series: sums 1/k! until a term falls below a tolerance (0.1; that term
// still counted) and prints the sum.
#include <cstdio>

#include "common/command_line.h"

namespace {
double tolerance = 0.1;
// A positive tolerance always ends the sum: once the terms no longer change
// it, the step is 0.
const Options options = {
    {"tolerance", &tolerance, "", "the first term below it is the last one added", positive},
};
constexpr ProgramUsage usage{
    "", "Sums 1/k! until a term falls below 0.1 (--tolerance; that term still counted) and\n"
        "prints the sum.\n"
        "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    unsigned k = 0;
    double factorial = 1.0;
    double sum = 0.0;
    double previous;
    do {
        previous = sum;
        sum = 1.0 / factorial + sum;
        k = k + 1;
        factorial = k * factorial;
    } while (sum - previous >= tolerance);
    std::printf("The sum is %f \n", sum);
    return 0;
}
