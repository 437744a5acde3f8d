// pulsar_spectrum: power spectrum of the periodic signal in pulsar.dat,
// 20 to 349.9 in steps of 0.1, written to fpulse.txt.
#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
const char* input_name = "pulsar.dat";
const char* output_name = "fpulse.txt";
long samples = 100001;
double first_frequency = 20.0;
double frequency_limit = 350.0;
double frequency_step = 0.1;
const Options options = {
    {"input", &input_name, "", "signal read: time-value pairs"},
    {"output", &output_name, "", "spectrum written: f, cosine and sine coefficients, log10 power"},
    {"samples", &samples, "", "time-value pairs read", pair_count(2)},
    {"from", &first_frequency, "Hz", "first frequency of the grid"},
    {"to", &frequency_limit, "Hz", "end of the grid, itself left out"},
    {"step", &frequency_step, "Hz", "step of the frequency grid", positive},
};
constexpr ProgramUsage usage{
    "", "Power spectrum of a periodic signal on a frequency grid, by default from 20 to\n"
        "349.9 Hz in steps of 0.1.\n"
        "Reads pulsar.dat (--input); writes fpulse.txt (--output)."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const FrequencyGrid grid{first_frequency, frequency_limit, frequency_step};
    check_grid(grid);
    Series series = read_series(input_name, samples, 2);
    remove_mean(series.y);
    std::ofstream out = open_output(output_name);
    write_spectrum(out, series, grid, FourthColumn::log_power);
    close_output(out, output_name);
    return 0;
}
