// How exact the fast spectrum is: for a series and a frequency grid (the
// spectrum programs' options, crab_spectrum's run by default) every line's
// rigorous bound on its coefficients' distance from the scalar loop's, the
// distance measured against a run of the scalar loop itself, and whether the
// line was recomputed by the scalar loop; then a summary.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/command_line.h"
#include "common/errors.h"
#include "spectral/spectrum.h"
#include "spectral/transform/dft.h"

namespace {
const char* input_name = "Crab.dat";
long samples = 148282;
double first_frequency = 1.0;
double frequency_limit = 1000.0;
double frequency_step = 0.1;
int keep_mean = 0;
const char* fourth_name = "log_power";
int peak = 1;
const Options options = {
    {"input", &input_name, "", "series read: time-value pairs"},
    {"samples", &samples, "", "time-value pairs read", pair_count(2)},
    {"from", &first_frequency, "Hz", "first frequency of the grid"},
    {"to", &frequency_limit, "Hz", "end of the grid, itself left out"},
    {"step", &frequency_step, "Hz", "step of the frequency grid", positive},
    {"keep-mean", &keep_mean, "", "1: the mean is kept (phone_spectrum), 0: removed", between(0, 1)},
    {"fourth", &fourth_name, "", "column printed after the coefficients: log_power or amplitude"},
    {"peak", &peak, "", "1: the peak is found (crab_spectrum), 0: not", between(0, 1)},
};
constexpr ProgramUsage usage{
    "", "For each line of the spectrum of a series: frequency, the bound on how far its\n"
        "coefficients may lie from the scalar loop's, their measured distance from them,\n"
        "and 1 where the line was recomputed by the scalar loop (then both are 0); then a\n"
        "summary line starting with '#'. Reads Crab.dat (--input); writes standard output.",
        nullptr};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const bool amplitude = std::strcmp(fourth_name, "amplitude") == 0;
    if (!amplitude && std::strcmp(fourth_name, "log_power") != 0)
        die("--fourth: '%s' is neither log_power nor amplitude", fourth_name);
    const FourthColumn fourth = amplitude ? FourthColumn::amplitude : FourthColumn::log_power;
    const FrequencyGrid grid{first_frequency, frequency_limit, frequency_step};
    check_grid(grid);
    Series series = read_series(input_name, samples, 2);
    if (!keep_mean)
        remove_mean(series.y);

    const std::vector<Line> lines = exact_spectrum(series, grid, fourth, peak != 0);
    use_dft_path("scalar");
    const std::vector<Line> scalar = exact_spectrum(series, grid, fourth, peak != 0);
    long recomputed = 0;
    long by_tier[5] = {};
    double most_over = 0.0, most_under = 0.0;   // largest distance / bound and bound / distance
    for (size_t k = 0; k < lines.size(); ++k) {
        const Line& l = lines[k];
        const double distance = std::max(std::fabs(l.re - scalar[k].re), std::fabs(l.im - scalar[k].im));
        std::printf("%.10g\t%.3e\t%.3e\t%d\n", l.frequency, l.bound, distance, l.recomputed ? 1 : 0);
        recomputed += l.recomputed;
        ++by_tier[static_cast<int>(l.tier)];
        if (distance > 0.0) {
            most_over = std::max(most_over, distance / l.bound);
            most_under = std::max(most_under, l.bound / distance);
        }
    }
    std::printf("# lines %zu recomputed %ld largest bound/distance %.3g largest distance/bound %.3g"
                " decided by chirp %ld rounded_phase %ld recurrence %ld direct %ld scalar %ld\n",
                lines.size(), recomputed, most_under, most_over, by_tier[0], by_tier[1], by_tier[2],
                by_tier[3], by_tier[4]);
    return 0;
}
