// phone_spectrum: amplitude spectrum of the radio carrier in cellphone.dat,
// 0.4 to 3.999 GHz in steps of 1 MHz, written to fphone.txt. The mean is kept:
// a constant offset shows in every coefficient. Prints the time step and span.
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
const char* input_name = "cellphone.dat";
const char* output_name = "fphone.txt";
long samples = 120001;
double first_frequency = 400000000.0;
double frequency_limit = 4000000000.0;
double frequency_step = 1000000.0;
const Options options = {
    {"input", &input_name, "", "radio signal read: time-value pairs"},
    {"output", &output_name, "", "spectrum written: f, cosine and sine coefficients, amplitude"},
    {"samples", &samples, "", "time-value pairs read", pair_count(2)},
    {"from", &first_frequency, "Hz", "first frequency of the grid"},
    {"to", &frequency_limit, "Hz", "end of the grid, itself left out"},
    {"step", &frequency_step, "Hz", "step of the frequency grid", positive},
};
constexpr ProgramUsage usage{
    "", "Amplitude spectrum of a radio signal on a frequency grid, by default the carrier's\n"
        "from 0.4 to 3.999 GHz in steps of 1 MHz; prints the time step and the span.\n"
        "Reads cellphone.dat (--input); writes fphone.txt (--output)."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const FrequencyGrid grid{first_frequency, frequency_limit, frequency_step};
    check_grid(grid);
    const Series series = read_series(input_name, samples, 2);
    std::cout << series.t[1] - series.t[0] << '\t' << series.t.back() - series.t[0] << std::endl;
    // Lost output stops the run before the long transform.
    check_standard_output();
    std::ofstream out = open_output(output_name);
    write_spectrum(out, series, grid, FourthColumn::amplitude);
    close_output(out, output_name);
    return 0;
}
