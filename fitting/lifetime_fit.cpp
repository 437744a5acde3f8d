#include "fitting/lifetime_fit.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>

#include "common/errors.h"
#include "common/files.h"

namespace {

constexpr double no_best_yet = 9999999.9;      // chi-square to beat
constexpr double no_best_parameter = 1000.0;   // N0 and tau reported if nothing beats it
constexpr long fewest_pairs = 2;               // two parameters need two counts
const char* const pairs_unit = "count-time pairs";
constexpr double one_sigma_rise = 1.0;         // of the chi-square, one parameter profiled
constexpr int tail_terms = 1000;               // series and continued fraction of the p-value
constexpr double tail_epsilon = 1e-15;
constexpr double tail_tiny = 1e-300;           // keeps the continued fraction off 0 / 0

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
        {"interval", &fit.interval, "",
         "1: also report one-sigma intervals of tau and N0 and the p-value (on stderr)", between(0, 1)},
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

// One side of a band: the parameter's interpolated crossing, or the last grid
// point when the band runs off the grid. Steps from the best index by `way`.
double band_end(const Profile& p, int best, int way, double level, bool& at_edge)
{
    const int last = static_cast<int>(p.value.size()) - 1;
    int k = best;
    while (k + way >= 0 && k + way <= last && p.chi_square[k + way] <= level)
        k += way;
    at_edge = k == (way < 0 ? 0 : last);
    if (at_edge)
        return p.value[k];
    // An infinite neighbour (no number there) puts the crossing at k itself.
    const double inside = p.chi_square[k];
    const double fraction = (level - inside) / (p.chi_square[k + way] - inside);
    return p.value[k] + fraction * (p.value[k + way] - p.value[k]);
}

// Both ends of a band on standard error, as "from A (the grid's edge) to B s".
void report_band(const char* name, double best, const Interval& band, const char* unit)
{
    const char* const edge = " (the grid's edge)";
    warn("%s %g%s, chi-square within %g of its minimum from %g%s to %g%s%s", name, best, unit, one_sigma_rise,
         band.low, band.low_at_edge ? edge : "", band.high, band.high_at_edge ? edge : "", unit);
}

void report_intervals(const BestPoint& best, const Profile& n0, const Profile& tau, long bins)
{
    if (best.tau_index < 0) {
        warn("no grid point beats the starting chi-square %g: no interval", no_best_yet);
        return;
    }
    report_band("tau", best.tau, profile_interval(tau, best.tau_index, one_sigma_rise), " s");
    report_band("N0", best.n0, profile_interval(n0, best.n0_index, one_sigma_rise), "");
    const long dof = bins - 2;
    if (dof < 1) {
        warn("chi-square %g over 0 degrees of freedom: no p-value", best.chi_square);
        return;
    }
    warn("chi-square %g over %ld degrees of freedom (%g each), p-value %g", best.chi_square, dof,
         best.chi_square / static_cast<double>(dof), chi_square_tail(best.chi_square, dof));
}

}  // namespace

Interval profile_interval(const Profile& profile, int best, double rise)
{
    const double level = profile.chi_square[best] + rise;
    Interval band{};
    band.low = band_end(profile, best, -1, level, band.low_at_edge);
    band.high = band_end(profile, best, +1, level, band.high_at_edge);
    return band;
}

// The series of the lower function P below a + 1, Q = 1 - P; above it the
// continued fraction of Q itself (modified Lentz), which converges fast there.
double chi_square_tail(double chi_square, long dof)
{
    const double a = static_cast<double>(dof) / 2.0;
    const double x = chi_square / 2.0;
    if (x <= 0.0)
        return 1.0;
    if (std::isinf(x))
        return 0.0;
    const double prefactor = std::exp(a * std::log(x) - x - std::lgamma(a));
    if (x < a + 1.0) {
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n < tail_terms && std::fabs(term) > std::fabs(sum) * tail_epsilon; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * prefactor;
    }
    double b = x + 1.0 - a;
    double c = 1.0 / tail_tiny;
    double d = 1.0 / b;
    double h = d;
    for (int n = 1; n < tail_terms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tail_tiny)
            d = tail_tiny;
        c = b + an / c;
        if (std::fabs(c) < tail_tiny)
            c = tail_tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < tail_epsilon)
            break;
    }
    return prefactor * h;
}

long read_decay_counts(std::istream& in, long n, std::vector<DecayCount>& counts)
{
    counts.clear();
    DecayCount c{0.0, 0.0};
    while ((n == all_records || static_cast<long>(counts.size()) < n) && in >> c.n >> c.t)
        counts.push_back(c);
    return static_cast<long>(counts.size());
}

BestPoint search_grid(const std::vector<DecayCount>& counts, const LifetimeFit& fit,
                      std::ostream& grid, Profile& n0_profile, Profile& tau_profile)
{
    BestPoint best{no_best_yet, no_best_parameter, no_best_parameter, -1, -1};
    // A chi-square that is not a number never enters a profile; where every
    // one is NaN the profile stays infinite, outside any band.
    const double none = std::numeric_limits<double>::infinity();
    n0_profile = {std::vector<double>(fit.points), std::vector<double>(fit.points, none)};
    tau_profile = n0_profile;
    // N0 and tau are accumulated by addition, as the grid file has always
    // listed them, never recomputed from the index.
    double n0 = 0.0;
    for (int i = 0; i < fit.points; ++i) {
        double tau = fit.tau_first;
        n0_profile.value[i] = n0;
        for (int j = 0; j < fit.points; ++j) {
            const double chi2 = chi_square(counts, n0, tau);
            tau_profile.value[j] = tau;
            if (chi2 < n0_profile.chi_square[i])
                n0_profile.chi_square[i] = chi2;
            if (chi2 < tau_profile.chi_square[j])
                tau_profile.chi_square[j] = chi2;
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
    Profile n0_profile;
    Profile tau_profile;
    const BestPoint best = search_grid(counts, fit, grid, n0_profile, tau_profile);
    close_output(grid, fit.grid_name);
    const double deviate = std::sqrt(2.0 * best.chi_square) - deviate_offset;
    std::cout << best.chi_square << '\t' << best.n0 << '\t' << best.tau << '\t' << deviate
              << std::endl;
    warn_on_edges(best, fit);
    if (fit.interval == 1)
        report_intervals(best, n0_profile, tau_profile, static_cast<long>(counts.size()));
    return 0;
}
