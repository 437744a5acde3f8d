// ball_volume: Monte Carlo volume of the unit ball in dimensions 1 to 10 from
// one set of points of the cube [-1, 1)^10, each dimension using the first d
// coordinates; prints d, the estimate, the closed form and the relative
// difference.
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "common/command_line.h"
#include "common/errors.h"
#include "montecarlo/cube.h"

namespace {
int dimensions = 10;
long points = 9999;
long seed = 681111;
int standard_error = 0;
constexpr double sqrt_pi = 1.7724538509055159;
// Beyond 341 dimensions the gamma function of the closed form overflows.
const Options options = {
    {"dimensions", &dimensions, "", "highest dimension, from 1 on", between(1, 341)},
    {"samples", &points, "", "points of the cube drawn", at_least(1)},
    {"seed", &seed, "", "seed of drand48"},
    {"standard-error", &standard_error, "", "1: also report each estimate's standard error (on stderr)",
     between(0, 1)},
};
constexpr ProgramUsage usage{
    "", "Monte Carlo volume of the unit ball in dimensions 1 to 10 (--dimensions) from one\n"
        "set of 9999 points (--samples) of the cube, against the closed form.\n"
        "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const int dimension_bound = dimensions + 1;
    srand48(seed);
    // The radius only grows with d, so the count never rises with the dimension.
    std::vector<double> inside(dimension_bound, 0.0);
    for (long k = 0; k < points; ++k) {
        double r2 = 0.0;
        for (int d = 1; d < dimension_bound; ++d) {
            const double c = cube_coordinate();
            r2 = r2 + c * c;
            inside[d] += r2 <= 1.0 ? 1.0 : 0.0;
        }
    }
    for (int d = 1; d < dimension_bound; ++d) {
        const double fraction = inside[d] / static_cast<double>(points);
        const double cube = std::pow(2.0, static_cast<double>(d));
        const double estimate = cube * fraction;
        const double exact = std::pow(sqrt_pi, d) / std::tgamma(d / 2.0 + 1.0);
        const double relative = (estimate - exact) / exact;
        std::cout << " " << d << " " << estimate << " " << exact << " " << relative << std::endl;
        if (standard_error == 1)
            warn("dimension %d: standard error %g of the estimate %g", d,
                 hit_or_miss_standard_error(fraction, static_cast<double>(points), cube), estimate);
    }
    return 0;
}
