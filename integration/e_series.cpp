// e_series: sums 1/k! until a term falls below 0.1 (that term still counted)
// and prints the sum.
#include <cstdio>

namespace {
constexpr double tolerance = 0.1;
}  // namespace

int main()
{
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
