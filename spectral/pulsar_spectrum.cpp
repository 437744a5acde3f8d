// pulsar_spectrum: power spectrum of the periodic signal in pulsar.dat,
// 20 to 349.9 in steps of 0.1, written to fpulse.txt.
#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
constexpr const char* input_name = "pulsar.dat";
constexpr const char* output_name = "fpulse.txt";
constexpr int samples = 100001;
constexpr FrequencyGrid grid{20.0, 350.0, 0.1};
constexpr ProgramUsage usage{
    "", "Power spectrum of the periodic signal in pulsar.dat from 20 to 349.9 in steps of 0.1.\n"
        "Reads pulsar.dat; writes fpulse.txt."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    Series series = read_series(input_name, samples);
    remove_mean(series.y);
    std::ofstream out = open_output(output_name);
    write_spectrum(out, series, grid, FourthColumn::log_power);
    close_output(out, output_name);
    return 0;
}
