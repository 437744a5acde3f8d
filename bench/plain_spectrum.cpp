// The timing baseline for the spectrum programs: the same files and console
// output, computed the simplest way, one call of dft for each frequency with no
// vector path, no bound and no recomputation, compiled at -O2 from the suite's
// own dft source. Files and sample counts are those of the suite's table.
// Usage: plain_spectrum crab_spectrum|pulsar_spectrum|phone_spectrum
#include <cmath>
#include <complex>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

#include "spectral/transform/dft.h"
#include "tests/program_table.h"

namespace {

constexpr double sqrt_two_pi = 2.5066282746310002;

struct Program {
    const char* name;
    double first, limit, step;
    bool remove_mean, print_mean, print_step, amplitude, peak;
};

constexpr Program programs[] = {
    {"crab_spectrum", 1.0, 1000.0, 0.1, true, true, false, false, true},
    {"pulsar_spectrum", 20.0, 350.0, 0.1, true, false, false, false, false},
    {"phone_spectrum", 400000000.0, 4000000000.0, 1000000.0, false, false, true, true, false},
};

int run(const Program& p)
{
    const ProgramRow& row = program_row(p.name);
    const ProgramInput& series = row.reads.at(0);
    const int samples = series.records;
    std::ifstream in(series.name);
    std::vector<double> t(samples), y(samples);
    for (int i = 0; i < samples; ++i)
        if (!(in >> t[i] >> y[i])) {
            std::cerr << "plain_spectrum: " << series.name << ": too few pairs\n";
            return 1;
        }
    if (p.remove_mean) {
        double sum = 0.0;
        for (double v : y)
            sum += v;
        const double mean = sum / static_cast<double>(samples);
        if (p.print_mean)
            std::cout << mean << std::endl;
        for (double& v : y)
            v = v - mean;
    }
    const double span = t[samples - 1] - t[0];
    if (p.print_step)
        std::cout << t[1] - t[0] << '\t' << span << std::endl;
    const double norm = (2.0 / span) * sqrt_two_pi;
    std::ofstream out(row.writes.at(0));
    double top = -100.0, top_frequency = 30.0;
    for (double f = p.first; p.limit > f; f = f + p.step) {
        const std::complex<double> x = dft(t.data(), y.data(), samples, f);
        const double amplitude = std::sqrt(x.imag() * x.imag() + x.real() * x.real()) * norm;
        const double log_power = std::log10(amplitude * amplitude);
        out << f << '\t' << x.real() * norm << '\t' << x.imag() * norm << '\t'
            << (p.amplitude ? amplitude : log_power) << std::endl;
        if (log_power > top)
            top = log_power;
        if (log_power == top)
            top_frequency = f;
    }
    if (p.peak)
        std::cout << top << '\t' << top_frequency;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    for (const Program& p : programs)
        if (argc == 2 && std::strcmp(argv[1], p.name) == 0)
            return run(p);
    std::cerr << "usage: plain_spectrum crab_spectrum|pulsar_spectrum|phone_spectrum\n";
    return 2;
}
