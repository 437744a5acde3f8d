// phone_spectrum: amplitude spectrum of the radio carrier in cellphone.dat,
// 0.4 to 3.999 GHz in steps of 1 MHz, written to fphone.txt. The mean is kept:
// a constant offset shows in every coefficient. Prints the time step and span.
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"
#include "spectral/spectrum.h"

namespace {
constexpr const char* input_name = "cellphone.dat";
constexpr const char* output_name = "fphone.txt";
constexpr int samples = 120001;
constexpr FrequencyGrid grid{400000000.0, 4000000000.0, 1000000.0};
constexpr ProgramUsage usage{
    "", "Amplitude spectrum of the radio carrier in cellphone.dat from 0.4 to 3.999 GHz in\n"
        "steps of 1 MHz; prints the time step and the span.\n"
        "Reads cellphone.dat; writes fphone.txt."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    const Series series = read_series(input_name, samples);
    std::cout << series.t[1] - series.t[0] << '\t' << series.t[samples - 1] - series.t[0]
              << std::endl;
    // Lost output stops the run before the long transform.
    check_standard_output();
    std::ofstream out = open_output(output_name);
    write_spectrum(out, series, grid, FourthColumn::amplitude);
    close_output(out, output_name);
    return 0;
}
