#include "montecarlo/decay.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/command_line.h"
#include "common/errors.h"

namespace {

// Decimal digits with an optional sign: the only form a count may take.
bool whole_number(const char* text)
{
    const char* digits = text + (*text == '-' || *text == '+');
    return *digits != '\0' && std::strspn(digits, "0123456789") == std::strlen(digits);
}

}  // namespace

Isotope make_isotope(int atoms, double probability)
{
    return Isotope{atoms, probability, {}};
}

void check_decay_grid(const DecayGrid& grid)
{
    if (grid.bin_width < grid.step)
        die("--bin-width: %g is shorter than the step %g", grid.bin_width, grid.step);
    // Below the spacing of the doubles near the end time, adding the step
    // would leave the time unchanged and the run would never end.
    const double spacing = std::nextafter(grid.end_time, INFINITY) - grid.end_time;
    if (grid.step < spacing)
        die("--step: %g is too small to advance the time to %g (at least %g)", grid.step, grid.end_time,
            spacing);
}

int count_decays(int atoms, double probability)
{
    int decays = 0;
    for (int a = 0; a < atoms; ++a)
        decays += drand48() <= probability;
    return decays;
}

std::vector<double> simulate_decays(std::vector<Isotope>& isotopes, int stable_atoms, const DecayGrid& grid)
{
    std::vector<double> left;
    int total = stable_atoms;
    for (const Isotope& iso : isotopes)
        total += iso.atoms;
    srand48(grid.seed);
    for_each_time_step(grid, [&](long bin) {
        const auto size = static_cast<std::size_t>(bin) + 1;
        // A bin that rounding lets the time skip keeps the atoms left before it.
        if (left.size() < size)
            left.resize(size, total);
        for (Isotope& iso : isotopes) {
            iso.decays.resize(std::max(iso.decays.size(), size), 0.0);
            const int decays = count_decays(iso.atoms, iso.probability);
            iso.decays[bin] += decays;
            iso.atoms -= decays;
            total -= decays;
        }
        left[bin] = total;
    });
    return left;
}

double bin_centre(long i, const DecayGrid& grid)
{
    return (i + 0.5) * grid.bin_width;
}

int atom_count(const char* what, const char* text, long least)
{
    if (!whole_number(text))
        integer_argument(what, text, any_value);   // refuses it
    long n = 0;
    if (!read_number(text, between(least, INT_MAX), n).empty())
        die("atom count %s is not between %ld and %d", text, least, INT_MAX);
    return static_cast<int>(n);
}
