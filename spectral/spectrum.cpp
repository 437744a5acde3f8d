#include "spectral/spectrum.h"

#include <cmath>
#include <complex>

#include "common/die.h"
#include "spectral/dft.h"

namespace {
constexpr double sqrt_two_pi = 2.5066282746310002;
}  // namespace

int read_pairs(std::istream& in, int n, Series& s)
{
    s.t.assign(n, 0.0);
    s.y.assign(n, 0.0);
    int pairs = 0;
    while (pairs < n && in >> s.t[pairs] >> s.y[pairs])
        ++pairs;
    return pairs;
}

Series read_series(const char* name, int n)
{
    std::ifstream in = open_input(name);
    Series s;
    int pairs = read_pairs(in, n, s);
    if (pairs < n) {
        if (in.eof())
            die("%s holds only %d of the %d time-value pairs needed", name, pairs, n);
        die("%s: not a number after %d of the %d time-value pairs needed", name, pairs, n);
    }
    return s;
}

double remove_mean(std::vector<double>& y)
{
    double sum = 0.0;
    for (double v : y)
        sum += v;
    const double mean = sum / static_cast<double>(y.size());
    for (double& v : y)
        v = v - mean;
    return mean;
}

void write_spectrum(std::ostream& out, const Series& s, FrequencyGrid grid,
                    FourthColumn fourth, Peak* peak)
{
    const int n = static_cast<int>(s.t.size());
    const double span = s.t[n - 1] - s.t[0];
    const double norm = (2.0 / span) * sqrt_two_pi;
    // The frequency is accumulated by addition, never first + k * step: the
    // printed grid and its last line depend on it.
    for (double f = grid.first; grid.limit > f; f = f + grid.step) {
        const std::complex<double> x = dft(s.t.data(), s.y.data(), n, f);
        const double amplitude = std::sqrt(x.imag() * x.imag() + x.real() * x.real()) * norm;
        out << f << '\t' << x.real() * norm << '\t' << x.imag() * norm << '\t';
        if (fourth == FourthColumn::amplitude) {
            out << amplitude << std::endl;
            continue;
        }
        const double log_power = std::log10(amplitude * amplitude);
        out << log_power << std::endl;
        if (peak) {
            if (log_power > peak->log_power)
                peak->log_power = log_power;
            if (log_power == peak->log_power)
                peak->frequency = f;
        }
    }
}
