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
DecayGrid grid;
const Options options = {
    {"seed", &grid.seed, "", "seed of drand48"},
    {"step", &grid.step, "", "time step, in the half-life's unit", positive},
    {"bin-width", &grid.bin_width, "", "width of a time bin, at least the step", positive},
    {"duration", &grid.end_time, "", "end time: the steps run while the time is below it", positive},
};
constexpr ProgramUsage usage{
    "[Natoms][Half-life]",
    "Decay of Natoms atoms of one isotope with the given half-life, simulated atom by\n"
    "atom from time 0 to 10000 (--duration) in steps of 0.1 (--step); prints per\n"
    "10-unit time bin (--bin-width) the decays and the atoms left.\n"
    "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    const std::vector<const char*> args = handle_options(argc, argv, usage, options);
    check_decay_grid(grid);
    if (args.size() < 2) {
        print_usage(usage);
        return 0;
    }
    const int atoms = atom_count("Natoms", args[0], INT_MIN);
    const double half_life = real_argument("Half-life", args[1], any_value);
    // A half-life of 0 makes the probability infinite (all decay at once), a
    // negative one makes it negative (none ever decays).
    const double lifetime = half_life / std::log(2.0);
    const double probability = grid.step / lifetime;

    std::vector<Isotope> isotopes{make_isotope(atoms, probability)};
    const std::vector<double> left = simulate_decays(isotopes, 0, grid);
    const std::vector<double>& decays = isotopes[0].decays;
    for (std::size_t i = 0; i < left.size(); ++i)
        std::cout << bin_centre(static_cast<long>(i), grid) << " " << decays[i] << " " << left[i] << std::endl;
    return 0;
}
