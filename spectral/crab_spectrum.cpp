// crab_spectrum: power spectrum of the Crab pulsar light curve in Crab.dat,
// 1 to 999.9 in steps of 0.1, written to fcrab.txt; prints the mean of the
// series and then the strongest log10 power with its frequency.
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
constexpr const char* input_name = "Crab.dat";
constexpr const char* output_name = "fcrab.txt";
constexpr int samples = 148282;
constexpr FrequencyGrid grid{1.0, 1000.0, 0.1};
constexpr Peak peak_start{-100.0, 30.0};
constexpr ProgramUsage usage{
    "", "Power spectrum of the Crab pulsar light curve from 1 to 999.9 in steps of 0.1;\n"
        "prints the mean of the series, then the strongest log10 power and its frequency.\n"
        "Reads Crab.dat; writes fcrab.txt."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    Series series = read_series(input_name, samples);
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
