// carbon_chain: decay of a sample of stable C12 and radioactive C11 and C10,
// simulated atom by atom; prints per 10-unit time bin the C11 and C10 decays,
// their sum and the atoms left.
#include <climits>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "common/errors.h"
#include "common/command_line.h"
#include "montecarlo/decay.h"

namespace {
double c11_lifetime = 1000.0;
double c10_lifetime = 100.0;
DecayGrid grid;
const Options options = {
    {"c11-lifetime", &c11_lifetime, "", "mean lifetime of C11, in the time unit", positive},
    {"c10-lifetime", &c10_lifetime, "", "mean lifetime of C10, in the time unit", positive},
    {"seed", &grid.seed, "", "seed of drand48"},
    {"step", &grid.step, "", "time step", positive},
    {"bin-width", &grid.bin_width, "", "width of a time bin, at least the step", positive},
    {"duration", &grid.end_time, "", "end time: the steps run while the time is below it", positive},
};
constexpr ProgramUsage usage{
    "C12 C11 C10",
    "Decay of a sample of C12, C11 and C10 atoms (mean lifetimes 1000 and 100:\n"
    "--c11-lifetime, --c10-lifetime), simulated atom by atom from time 0 to 10000\n"
    "(--duration) in steps of 0.1 (--step); prints per 10-unit time bin (--bin-width)\n"
    "the C11 and C10 decays, their sum and the atoms left.\n"
    "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    const std::vector<const char*> args = handle_options(argc, argv, usage, options);
    check_decay_grid(grid);
    if (args.size() < 3) {
        std::cerr << "Input: #C12, #C11, #C10" << std::endl;
        return 0;
    }
    const int c12 = atom_count("C12", args[0], 0);
    const int c11 = atom_count("C11", args[1], 0);
    const int c10 = atom_count("C10", args[2], 0);
    if (static_cast<long long>(c11) + c12 + c10 > INT_MAX)
        die("%d + %d + %d atoms are more than %d", c12, c11, c10, INT_MAX);

    std::vector<Isotope> isotopes{make_isotope(c11, grid.step / c11_lifetime),
                                  make_isotope(c10, grid.step / c10_lifetime)};
    const std::vector<double> left = simulate_decays(isotopes, c12, grid);
    const std::vector<double>& c11_decays = isotopes[0].decays;
    const std::vector<double>& c10_decays = isotopes[1].decays;
    for (std::size_t i = 0; i < left.size(); ++i)
        std::cout << bin_centre(static_cast<long>(i), grid) << " " << c11_decays[i] << " " << c10_decays[i]
                  << " " << c11_decays[i] + c10_decays[i] << " " << left[i] << std::endl;
    return 0;
}
