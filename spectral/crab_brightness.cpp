// crab_brightness: folds the Crab light curve in Crab.dat on the pulse
// frequency into 6-degree phase bins and writes the weighted brightness of
// bins 0 to 69 to lightcrab.txt; prints the folding period.
#include <array>
#include <cmath>
#include <iostream>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
constexpr const char* input_name = "Crab.dat";
constexpr const char* output_name = "lightcrab.txt";
constexpr int samples = 148282;
constexpr double folding_frequency = 30.2452;   // pulses per unit of time
constexpr double two_pi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
constexpr double degrees_per_pi = 180.0;
constexpr double degrees_per_bin = 6.0;
constexpr int bins = 70;
constexpr ProgramUsage usage{
    "", "Folds the Crab light curve on the pulse frequency 30.2452 into 6-degree phase bins\n"
        "and sums the brightness of each; prints the folding period.\n"
        "Reads Crab.dat; writes lightcrab.txt."};

// Phase bin of a sample time, or -1 when the phase overflowed and its
// fraction is not a number. The fraction is taken of the phase in radians,
// not in turns, so only 0 to 57.3 degrees (bins 0 to 9) are ever reached.
int phase_bin(double t)
{
    double v = (two_pi * t) * folding_frequency;
    v = v - std::floor(v);
    const double degrees = degrees_per_pi * v / pi;
    const double bin = degrees / degrees_per_bin;
    if (!(bin >= 0.0 && bin < bins))
        return -1;
    return static_cast<int>(bin);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    const Series s = read_series(input_name, samples);
    std::cout << 1.0 / folding_frequency << std::endl;

    std::ofstream out = open_output(output_name);
    std::array<double, bins> count{};
    std::array<double, bins> sum{};
    int left_out = 0;
    for (int i = 0; i < samples; ++i) {
        const int b = phase_bin(s.t[i]);
        if (b < 0) {
            ++left_out;
            continue;
        }
        // The k-th sample of a bin is weighted 1/k: the count is raised first.
        count[b] = count[b] + 1;
        sum[b] = sum[b] + s.y[i] / count[b];
    }
    if (left_out > 0)
        warn("%s: %d sample(s) with a time too large to fold left out", input_name, left_out);
    for (int b = 0; b < bins; ++b) {
        out << b << '\t' << sum[b] << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
