#include "montecarlo/decay.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "common/errors.h"

Isotope make_isotope(int atoms, double probability)
{
    return Isotope{atoms, probability, std::vector<double>(decay_bins, 0.0)};
}

int count_decays(int atoms, double probability)
{
    int decays = 0;
    for (int a = 0; a < atoms; ++a)
        decays += drand48() <= probability;
    return decays;
}

std::vector<double> simulate_decays(std::vector<Isotope>& isotopes, int stable_atoms)
{
    std::vector<double> left(decay_bins, 0.0);
    int total = stable_atoms;
    for (const Isotope& iso : isotopes)
        total += iso.atoms;
    srand48(decay_seed);
    for_each_time_step([&](int bin) {
        for (Isotope& iso : isotopes) {
            const int decays = count_decays(iso.atoms, iso.probability);
            iso.decays[bin] += decays;
            iso.atoms -= decays;
            total -= decays;
        }
        left[bin] = total;
    });
    return left;
}

double bin_centre(int i)
{
    return (i + 0.5) * decay_bin_width;
}

int atom_count(const char* text, long least)
{
    errno = 0;
    const long n = std::strtol(text, nullptr, 10);
    if (n < least || n > INT_MAX || errno == ERANGE)
        die("atom count %s is not between %ld and %d", text, least, INT_MAX);
    return static_cast<int>(n);
}
