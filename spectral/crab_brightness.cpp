// crab_brightness: folds the Crab light curve in Crab.dat on the pulse
// frequency into 6-degree phase bins and writes the weighted brightness of
// bins 0 to 69 to lightcrab.txt; prints the folding period.
#include <cmath>
#include <iostream>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "common/constants.h"
#include "spectral/spectrum.h"

namespace {
const char* input_name = "Crab.dat";
const char* output_name = "lightcrab.txt";
long samples = 148282;
double folding_frequency = 30.2452;   // pulses per unit of time
int bins = 70;
constexpr double degrees_per_pi = 180.0;
constexpr double degrees_per_bin = 6.0;
const Options options = {
    {"input", &input_name, "", "light curve read: time-value pairs"},
    {"output", &output_name, "", "brightness written: bin number and weighted sum"},
    {"samples", &samples, "", "time-value pairs read", pair_count(1)},
    {"frequency", &folding_frequency, "Hz", "frequency the light curve is folded on", positive},
    {"bins", &bins, "", "phase bins written, 6 degrees each", at_least(1)},
};
constexpr ProgramUsage usage{
    "", "Folds a light curve on its pulse frequency (by default the Crab pulsar's, 30.2452)\n"
        "into 6-degree phase bins and sums the brightness of each; prints the folding period.\n"
        "Reads Crab.dat (--input); writes lightcrab.txt (--output)."};

// Phase bin of a sample time, or -1 when the phase overflowed and its
// fraction is not a number. The fraction is taken of the phase in radians,
// not in turns, so only 0 to 57.3 degrees (bins 0 to 9) are ever reached.
int phase_bin(double t)
{
    double v = (two_pi * t) * folding_frequency;
    v = v - std::floor(v);
    const double degrees = degrees_per_pi * v / pi;
    const double bin = degrees / degrees_per_bin;
    if (std::isnan(bin))
        return -1;
    return static_cast<int>(bin);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const Series s = read_series(input_name, samples, 1);
    std::cout << 1.0 / folding_frequency << std::endl;

    std::ofstream out = open_output(output_name);
    // The accumulators grow to the last bin a sample reaches.
    std::vector<double> count, sum;
    long left_out = 0, past_last = 0;
    for (size_t i = 0; i < s.t.size(); ++i) {
        const int b = phase_bin(s.t[i]);
        if (b < 0) {
            ++left_out;
            continue;
        }
        if (b >= bins) {
            ++past_last;
            continue;
        }
        if (b >= static_cast<int>(count.size())) {
            count.resize(b + 1, 0.0);
            sum.resize(b + 1, 0.0);
        }
        // The k-th sample of a bin is weighted 1/k: the count is raised first.
        count[b] = count[b] + 1;
        sum[b] = sum[b] + s.y[i] / count[b];
    }
    if (left_out > 0)
        warn("%s: %ld sample(s) with a time too large to fold left out", input_name, left_out);
    if (past_last > 0)
        warn("%s: %ld sample(s) in phase bins past the last written left out", input_name, past_last);
    for (int b = 0; b < bins; ++b) {
        out << b << '\t' << (b < static_cast<int>(sum.size()) ? sum[b] : 0.0) << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
