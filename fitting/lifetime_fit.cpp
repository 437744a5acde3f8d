#include "fitting/lifetime_fit.h"

#include <cmath>
#include <fstream>
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"

namespace {

constexpr int grid_size = 1000;                // points along N0 and along tau
constexpr double no_best_yet = 9999999.9;      // chi-square to beat
constexpr double no_best_parameter = 1000.0;   // N0 and tau reported if nothing beats it

// Chi-square with a Poisson error that stays positive for a zero count.
double chi_square(const std::vector<DecayCount>& counts, double n0, double tau)
{
    double sum = 0.0;
    for (const DecayCount& c : counts) {
        const double residual = c.n - n0 * std::exp(-c.t / tau);
        const double error = std::sqrt(c.n + 0.75) + 1.0;
        sum = sum + (residual * residual) / (error * error);
    }
    return sum;
}

std::vector<DecayCount> read_data_file(const char* name, int n)
{
    std::ifstream in = open_input(name);
    std::vector<DecayCount> counts;
    die_if_short(in, name, read_decay_counts(in, n, counts), n, "count-time pairs");
    return counts;
}

}  // namespace

int read_decay_counts(std::istream& in, int n, std::vector<DecayCount>& counts)
{
    counts.assign(n, DecayCount{0.0, 0.0});
    int pairs = 0;
    while (pairs < n && in >> counts[pairs].n >> counts[pairs].t)
        ++pairs;
    counts.resize(pairs);
    return pairs;
}

BestPoint search_grid(const std::vector<DecayCount>& counts, const LifetimeFit& fit,
                      std::ostream& grid)
{
    BestPoint best{no_best_yet, no_best_parameter, no_best_parameter};
    // N0 and tau are accumulated by addition, as the grid file has always
    // listed them, never recomputed from the index.
    double n0 = 0.0;
    for (int i = 0; i < grid_size; ++i) {
        double tau = fit.tau_first;
        for (int j = 0; j < grid_size; ++j) {
            const double chi2 = chi_square(counts, n0, tau);
            // A NaN fails both comparisons, so it never becomes the best;
            // among equal values the point visited last wins.
            if (chi2 < best.chi_square)
                best.chi_square = chi2;
            if (chi2 == best.chi_square) {
                best.n0 = n0;
                best.tau = tau;
            }
            if (fit.band_low < chi2 && chi2 < fit.band_high) {
                grid << chi2 << '\t' << n0 << '\t' << tau << std::endl;
                check_output(grid, fit.grid_name);
            }
            tau = tau + fit.tau_step;
        }
        n0 = n0 + fit.n0_step;
    }
    return best;
}

int run_lifetime_fit(int argc, char** argv, const LifetimeFit& fit)
{
    handle_options(argc, argv, fit.usage);
    // The grid file is made before the data file argument is looked at, so a
    // run without one still leaves it, empty.
    std::ofstream grid = open_output(fit.grid_name);
    grid.precision(6);
    if (argc < 2) {
        print_usage(fit.usage);
        return 0;
    }
    std::vector<DecayCount> counts = read_data_file(argv[1], fit.records);
    for (DecayCount& c : counts)
        c.t = c.t * fit.time_scale;

    const BestPoint best = search_grid(counts, fit, grid);
    close_output(grid, fit.grid_name);
    const double deviate = std::sqrt(2.0 * best.chi_square) - fit.deviate_offset;
    std::cout << best.chi_square << '\t' << best.n0 << '\t' << best.tau << '\t' << deviate
              << std::endl;
    return 0;
}
