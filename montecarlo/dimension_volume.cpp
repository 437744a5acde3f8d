// dimension_volume: Monte Carlo volume of the unit ball in NDIM dimensions from
// NMAX points of the cube [-1, 1)^NDIM; prints the estimate, the cube volume
// and the fractional error (closed form minus estimate, over the closed form).
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "common/command_line.h"
#include "common/constants.h"
#include "common/errors.h"
#include "montecarlo/cube.h"

namespace {
long seed = 1299811;
int standard_error = 0;
const Options options = {
    {"seed", &seed, "", "seed of drand48"},
    {"standard-error", &standard_error, "", "1: also report the estimate's standard error (on stderr)",
     between(0, 1)},
};
// Dimension 0 and no points at all are results (2, and 0/0), not errors.
constexpr Range count_range = between(0, INT_MAX);
constexpr ProgramUsage usage{
    "[NDIM][NMAX]", "Monte Carlo volume of the unit ball in NDIM dimensions from NMAX points of the\n"
                    "cube, with the cube's volume and the fractional error.\n"
                    "Reads and writes no file."};

// 2 for NDIM of 1 or less, doubled for every further dimension; once the
// doubling overflows it stays infinite, so the loop can stop there.
double cube_volume(int dimensions)
{
    double v = 2.0;
    for (int j = 1; j < dimensions && std::isfinite(v); ++j)
        v *= 2.0;
    return v;
}
}  // namespace

int main(int argc, char** argv)
{
    const std::vector<const char*> args = handle_options(argc, argv, usage, options);
    srand48(seed);
    if (args.size() < 2) {
        print_usage(usage);
        return 0;
    }
    const int ndim = static_cast<int>(integer_argument("NDIM", args[0], count_range));
    const int nmax = static_cast<int>(integer_argument("NMAX", args[1], count_range));

    // Only the current point matters: its coordinates go straight into the radius.
    double inside = 0.0;
    for (int i = 0; i < nmax; ++i) {
        double r2 = 0.0;
        for (int j = 0; j < ndim; ++j) {
            const double c = cube_coordinate();
            r2 += c * c;
        }
        inside += r2 <= 1.0 ? 1.0 : 0.0;
    }
    const double cube = cube_volume(ndim);
    const double fraction = inside / static_cast<double>(nmax);
    const double ball = fraction * cube;
    const double exact = std::pow(pi, ndim / 2.0) / std::tgamma(ndim / 2.0 + 1.0);
    const double error = (exact - ball) / exact;
    std::cout << ndim << " dimensions, Vsphere= " << ball << "  Vtot= " << cube
              << " fractional error= " << error << std::endl;
    if (standard_error == 1)
        warn("standard error %g of the estimate %g",
             hit_or_miss_standard_error(fraction, static_cast<double>(nmax), cube), ball);
    return 0;
}
