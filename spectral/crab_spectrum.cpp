// crab_spectrum: power spectrum of the Crab pulsar light curve in Crab.dat,
// 1 to 999.9 in steps of 0.1, written to fcrab.txt; prints the mean of the
// series and then the strongest log10 power with its frequency.
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
const char* input_name = "Crab.dat";
const char* output_name = "fcrab.txt";
long samples = 148282;
double first_frequency = 1.0;
double frequency_limit = 1000.0;
double frequency_step = 0.1;
constexpr Peak peak_start{-100.0, 30.0};
const Options options = {
    {"input", &input_name, "", "light curve read: time-value pairs"},
    {"output", &output_name, "", "spectrum written: f, cosine and sine coefficients, log10 power"},
    {"samples", &samples, "", "time-value pairs read", pair_count(2)},
    {"from", &first_frequency, "Hz", "first frequency of the grid"},
    {"to", &frequency_limit, "Hz", "end of the grid, itself left out"},
    {"step", &frequency_step, "Hz", "step of the frequency grid", positive},
};
constexpr ProgramUsage usage{
    "", "Power spectrum of a light curve on a frequency grid, by default the Crab pulsar's\n"
        "from 1 to 999.9 Hz in steps of 0.1; prints the mean of the series, then the\n"
        "strongest log10 power and its frequency.\n"
        "Reads Crab.dat (--input); writes fcrab.txt (--output)."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const FrequencyGrid grid{first_frequency, frequency_limit, frequency_step};
    check_grid(grid);
    Series series = read_series(input_name, samples, 2);
    const double mean = remove_mean(series.y);
    std::cout << mean << std::endl;
    // Lost output stops the run before the long transform.
    check_standard_output();
    std::ofstream out = open_output(output_name);
    Peak peak = peak_start;
    write_spectrum(out, series, grid, FourthColumn::log_power, &peak);
    close_output(out, output_name);
    std::cout << peak.log_power << '\t' << peak.frequency;
    return 0;
}
