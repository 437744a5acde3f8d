// half_life_sim: decay of one radioactive isotope with the given half-life,
// simulated atom by atom; prints per 10-unit time bin the decays and the
// atoms left.
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "montecarlo/decay.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: half_life_sim [Natoms][Half-life]" << std::endl;
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
