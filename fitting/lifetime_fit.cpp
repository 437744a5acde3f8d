#include "fitting/lifetime_fit.h"

#include <cmath>
#include <fstream>
#include <iostream>

#include "common/errors.h"
#include "common/files.h"

namespace {

constexpr double no_best_yet = 9999999.9;      // chi-square to beat
constexpr double no_best_parameter = 1000.0;   // N0 and tau reported if nothing beats it
constexpr long fewest_pairs = 2;               // two parameters need two counts
const char* const pairs_unit = "count-time pairs";

// The defaults are the program's own constants, shown by --help.
Options fit_options(LifetimeFit& fit)
{
    return {
        {"records", &fit.records, "", "count-time pairs fitted, from the start of the file",
         count_or_all(fewest_pairs)},
        {"time-unit", &fit.time_scale, "s", "time unit of the data file", positive},
        {"n0-step", &fit.n0_step, "", "step of N0, which starts at 0", positive},
        {"tau-first", &fit.tau_first, "s", "first tau of the grid", positive},
        {"tau-step", &fit.tau_step, "s", "step of tau", positive},
        {"points", &fit.points, "", "grid points along N0 and along tau", at_least(1)},
        {"band-low", &fit.band_low, "", "chi-square above which a point goes to the grid file"},
        {"band-high", &fit.band_high, "", "chi-square below which a point goes to the grid file"},
        {"grid", &fit.grid_name, "", "grid points inside the band written"},
    };
}

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

// Whole pairs after the ones fitted, counted without keeping them.
long pairs_left(std::istream& in)
{
    long pairs = 0;
    double n = 0.0;
    double t = 0.0;
    while (in >> n >> t)
        ++pairs;
    return pairs;
}

// The fixed count is read and what follows is only counted; with
// all_records a number that does not scan is an error, not the end.
std::vector<DecayCount> read_data_file(const char* name, long records)
{
    std::ifstream in = open_input(name);
    std::vector<DecayCount> counts;
    const long got = read_decay_counts(in, records, counts);
    if (records != all_records) {
        die_if_short(in, name, got, records, pairs_unit);
        const long more = pairs_left(in);
        if (more > 0)
            warn("fitted the first %ld of the %ld %s of %s; --records all fits them all", records,
                 records + more, pairs_unit, name);
        return counts;
    }
    die_if_short(in, name, got, fewest_pairs, pairs_unit);
    if (in.bad())
        die("cannot read %s:", name);
    if (!in.eof())
        die("%s: not a number after %ld %s", name, got, pairs_unit);
    return counts;
}

// A best point on the border of the grid may lie beyond it. N0 = 0 is no
// border: a negative amplitude means nothing.
void warn_on_edges(const BestPoint& best, const LifetimeFit& fit)
{
    const int last = fit.points - 1;
    if (best.n0_index == last)
        warn("best N0 %g is on the edge of the grid; widen it with --n0-step or --points", best.n0);
    if (best.tau_index == last)
        warn("best tau %g s is on the edge of the grid; widen it with --tau-step or --points", best.tau);
    else if (best.tau_index == 0)
        warn("best tau %g s is on the edge of the grid; widen it with --tau-first", best.tau);
}

}  // namespace

long read_decay_counts(std::istream& in, long n, std::vector<DecayCount>& counts)
{
    counts.clear();
    DecayCount c{0.0, 0.0};
    while ((n == all_records || static_cast<long>(counts.size()) < n) && in >> c.n >> c.t)
        counts.push_back(c);
    return static_cast<long>(counts.size());
}

BestPoint search_grid(const std::vector<DecayCount>& counts, const LifetimeFit& fit,
                      std::ostream& grid)
{
    BestPoint best{no_best_yet, no_best_parameter, no_best_parameter, -1, -1};
    // N0 and tau are accumulated by addition, as the grid file has always
    // listed them, never recomputed from the index.
    double n0 = 0.0;
    for (int i = 0; i < fit.points; ++i) {
        double tau = fit.tau_first;
        for (int j = 0; j < fit.points; ++j) {
            const double chi2 = chi_square(counts, n0, tau);
            // A NaN fails both comparisons, so it never becomes the best;
            // among equal values the point visited last wins.
            if (chi2 < best.chi_square)
                best.chi_square = chi2;
            if (chi2 == best.chi_square)
                best = {best.chi_square, n0, tau, i, j};
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

int run_lifetime_fit(int argc, char** argv, LifetimeFit& fit)
{
    const std::vector<const char*> args = handle_options(argc, argv, fit.usage, fit_options(fit));
    if (args.empty()) {
        print_usage(fit.usage);
        return 0;
    }
    std::vector<DecayCount> counts = read_data_file(args[0], fit.records);
    for (DecayCount& c : counts)
        c.t = c.t * fit.time_scale;
    // The normal deviate of a chi-square with 2 records - 1 in the root.
    const double deviate_offset = std::sqrt(2.0 * static_cast<double>(counts.size()) - 1.0);

    // Made only now, so a failed read leaves an earlier grid file as it was.
    std::ofstream grid = open_output(fit.grid_name);
    grid.precision(6);
    const BestPoint best = search_grid(counts, fit, grid);
    close_output(grid, fit.grid_name);
    const double deviate = std::sqrt(2.0 * best.chi_square) - deviate_offset;
    std::cout << best.chi_square << '\t' << best.n0 << '\t' << best.tau << '\t' << deviate
              << std::endl;
    warn_on_edges(best, fit);
    return 0;
}
