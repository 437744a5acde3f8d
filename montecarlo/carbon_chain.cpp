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
constexpr double c11_lifetime = 1000.0;
constexpr double c10_lifetime = 100.0;
constexpr ProgramUsage usage{
    "C12 C11 C10", "Decay of a sample of C12, C11 and C10 atoms, simulated atom by atom; prints per\n"
                   "10-unit time bin the C11 and C10 decays, their sum and the atoms left.\n"
                   "Reads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    if (argc < 4) {
        std::cerr << "Input: #C12, #C11, #C10" << std::endl;
        return 0;
    }
    const int c12 = atom_count(argv[1], 0);
    const int c11 = atom_count(argv[2], 0);
    const int c10 = atom_count(argv[3], 0);
    if (static_cast<long long>(c11) + c12 + c10 > INT_MAX)
        die("%d + %d + %d atoms are more than %d", c12, c11, c10, INT_MAX);

    std::vector<Isotope> isotopes{make_isotope(c11, decay_time_step / c11_lifetime),
                                  make_isotope(c10, decay_time_step / c10_lifetime)};
    const std::vector<double> left = simulate_decays(isotopes, c12);
    const std::vector<double>& c11_decays = isotopes[0].decays;
    const std::vector<double>& c10_decays = isotopes[1].decays;
    for (int i = 0; i < decay_bins; ++i)
        std::cout << bin_centre(i) << " " << c11_decays[i] << " " << c10_decays[i] << " "
                  << c11_decays[i] + c10_decays[i] << " " << left[i] << std::endl;
    return 0;
}
