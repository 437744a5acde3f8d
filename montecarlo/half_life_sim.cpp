// half_life_sim: decay of one radioactive isotope with the given half-life,
// simulated atom by atom; prints per 10-unit time bin the decays and the
// atoms left.
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "common/command_line.h"
#include "montecarlo/decay.h"

namespace {
constexpr ProgramUsage usage{
    "[Natoms][Half-life]", "Decay of Natoms atoms of one isotope with the given half-life, simulated atom by\n"
                           "atom; prints per 10-unit time bin the decays and the atoms left.\n"
                           "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    if (argc < 3) {
        print_usage(usage);
        return 0;
    }
    const int atoms = atom_count(argv[1], INT_MIN);
    const double half_life = std::atof(argv[2]);
    // A half-life of 0 makes the probability infinite (all decay at once), a
    // negative one makes it negative (none ever decays).
    const double lifetime = half_life / std::log(2.0);
    const double probability = decay_time_step / lifetime;

    std::vector<Isotope> isotopes{make_isotope(atoms, probability)};
    const std::vector<double> left = simulate_decays(isotopes, 0);
    const std::vector<double>& decays = isotopes[0].decays;
    for (int i = 0; i < decay_bins; ++i)
        std::cout << bin_centre(i) << " " << decays[i] << " " << left[i] << std::endl;
    return 0;
}
