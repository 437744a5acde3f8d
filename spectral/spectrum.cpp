#include "spectral/spectrum.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>

#include "common/errors.h"
#include "common/files.h"
#include "spectral/dft.h"
#include "spectral/dft_constants.h"
#include "spectral/record_file.h"

namespace {

constexpr double sqrt_two_pi = 2.5066282746310002;
using dft_constants::unit_roundoff;
// Frequencies transformed before the first line is written, and the most at
// once: the stretches double from the one to the other.
constexpr int first_stretch = 64;
constexpr int longest_stretch = 4096;

// One output line's numbers, with bounds on how far each may lie from the
// value the scalar transform gives (all 0 when it came from the scalar one).
struct Line {
    double re, im, amplitude, log_power;
    double re_error, im_error, amplitude_error, log_power_error;
};

Line spectrum_line(std::complex<double> x, double x_error, double norm)
{
    Line l;
    l.re = x.real() * norm;
    l.im = x.imag() * norm;
    l.amplitude = std::sqrt(x.imag() * x.imag() + x.real() * x.real()) * norm;
    l.log_power = std::log10(l.amplitude * l.amplitude);
    if (x_error == 0.0) {
        l.re_error = l.im_error = l.amplitude_error = l.log_power_error = 0.0;
        return l;
    }
    const double slack = 8.0 * unit_roundoff;
    l.re_error = x_error * norm * (1.0 + slack) + slack * std::fabs(l.re);
    l.im_error = x_error * norm * (1.0 + slack) + slack * std::fabs(l.im);
    // The modulus moves by at most the length of the error vector.
    l.amplitude_error = 1.5 * x_error * norm + slack * l.amplitude;
    const double low = l.amplitude - l.amplitude_error, high = l.amplitude + l.amplitude_error;
    if (!(low > 0.0)) {
        l.log_power_error = INFINITY;
        return l;
    }
    const double log_low = std::log10(low * low), log_high = std::log10(high * high);
    l.log_power_error = std::max(l.log_power - log_low, log_high - l.log_power) * (1.0 + slack) +
                        slack * (std::fabs(l.log_power) + 1e-300);
    return l;
}

// True when every value within error of v prints as v does in six digits.
bool prints_stably(double v, double error)
{
    if (error == 0.0)
        return true;
    if (!std::isfinite(v) || !std::isfinite(error))
        return false;
    char low[32], high[32];
    std::snprintf(low, sizeof low, "%g", v - error);
    std::snprintf(high, sizeof high, "%g", v + error);
    return std::strcmp(low, high) == 0;
}

bool prints_stably(const Line& l, FourthColumn fourth)
{
    return prints_stably(l.re, l.re_error) && prints_stably(l.im, l.im_error) &&
           (fourth == FourthColumn::amplitude ? prints_stably(l.amplitude, l.amplitude_error)
                                              : prints_stably(l.log_power, l.log_power_error));
}

// The lines of the frequencies f[0..count-1]: the fast transform, then again
// every line whose printed digits its bound leaves open, first by the vector
// path that evaluates each sine and cosine, then, if still open, by the scalar
// transform.
std::vector<Line> spectrum_lines(const Series& s, const double* f, int count, double norm,
                                 FourthColumn fourth)
{
    const int n = static_cast<int>(s.t.size());
    std::vector<std::complex<double>> x(count);
    std::vector<double> x_error(count);
    dft_many(s.t.data(), s.y.data(), n, f, count, x.data(), x_error.data());
    std::vector<Line> lines(count);
    std::vector<int> open;
    for (int k = 0; k < count; ++k) {
        lines[k] = spectrum_line(x[k], x_error[k], norm);
        if (!prints_stably(lines[k], fourth))
            open.push_back(k);
    }
    if (open.empty())
        return lines;
    const int size = static_cast<int>(open.size());
    std::vector<double> open_f(size);
    for (int j = 0; j < size; ++j)
        open_f[j] = f[open[j]];
    dft_many_direct(s.t.data(), s.y.data(), n, open_f.data(), size, x.data(), x_error.data());
    for (int j = 0; j < size; ++j) {
        Line& line = lines[open[j]];
        line = spectrum_line(x[j], x_error[j], norm);
        if (!prints_stably(line, fourth))
            line = spectrum_line(dft(s.t.data(), s.y.data(), n, open_f[j]), 0.0, norm);
    }
    return lines;
}

// The peak is the last frequency whose log power equals the largest one met
// so far; only lines within their error of the largest value (or of the
// starting value) can decide it, so those are taken from the scalar transform
// before the comparison runs in grid order.
void track_peak(const Series& s, const std::vector<double>& frequencies,
                std::vector<double>& log_powers, const std::vector<double>& errors,
                double norm, Peak& peak)
{
    const int n = static_cast<int>(s.t.size());
    double top = peak.log_power, top_error = 0.0;
    for (size_t k = 0; k < log_powers.size(); ++k)
        if (log_powers[k] > top) {
            top = log_powers[k];
            top_error = errors[k];
        }
    for (size_t k = 0; k < log_powers.size(); ++k) {
        const bool near_top = log_powers[k] + errors[k] >= top - top_error;
        const bool near_start = std::fabs(log_powers[k] - peak.log_power) <= errors[k];
        if (errors[k] != 0.0 && (near_top || near_start))
            log_powers[k] =
                spectrum_line(dft(s.t.data(), s.y.data(), n, frequencies[k]), 0.0, norm).log_power;
    }
    for (size_t k = 0; k < log_powers.size(); ++k) {
        if (log_powers[k] > peak.log_power)
            peak.log_power = log_powers[k];
        if (log_powers[k] == peak.log_power)
            peak.frequency = frequencies[k];
    }
}

// Reads pairs onto the end of s until n are held (all_records: until the
// input ends, or most_samples), or up to the first number that does not scan.
long append_pairs(std::istream& in, long n, Series& s)
{
    const long wanted = n == all_records ? most_samples : n;
    long pairs = 0;
    double t = 0.0, y = 0.0;
    // Blanks are passed first, so that an input ending after a whole pair
    // leaves the stream at its end without failing.
    while (pairs < wanted && !(in >> std::ws).eof() && in >> t >> y) {
        s.t.push_back(t);
        s.y.push_back(y);
        ++pairs;
    }
    return pairs;
}

}  // namespace

long read_pairs(std::istream& in, long n, Series& s)
{
    s.t.clear();
    s.y.clear();
    const long pairs = append_pairs(in, n, s);
    if (n != all_records) {
        s.t.resize(n, 0.0);
        s.y.resize(n, 0.0);
    }
    return pairs;
}

Series read_series(const char* name, long n, long least)
{
    std::ifstream in = open_input(name);
    Series s;
    die_if_unread(in, name, append_pairs(in, n, s), n, least, "time-value pairs");
    return s;
}

void check_grid(const FrequencyGrid& grid)
{
    if (!(grid.limit > grid.first))
        die("--to: %g Hz is not above --from %g Hz: the grid holds no frequency", grid.limit,
            grid.first);
    // Every frequency lies within the larger end's magnitude, where the
    // spacing of doubles is widest; a step above half of it always moves on.
    const double widest = std::fmax(std::fabs(grid.first), std::fabs(grid.limit));
    if (!(grid.step > (std::nextafter(widest, INFINITY) - widest) / 2))
        die("--step: %g Hz is too small to advance the frequency near %g Hz", grid.step, widest);
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

    // The grid a stretch at a time, each written before the next is computed,
    // so that a failed write ends the run at once and memory does not grow
    // with the grid; the stretches grow to a length at which the fast
    // transform runs at full speed. The frequency is accumulated by addition,
    // never first + k * step: the printed grid and its last line depend on it.
    double f = grid.first;
    std::vector<double> frequencies, log_powers, log_power_errors;
    for (int size = first_stretch; grid.limit > f; size = std::min(2 * size, longest_stretch)) {
        frequencies.clear();
        for (; grid.limit > f && static_cast<int>(frequencies.size()) < size; f = f + grid.step)
            frequencies.push_back(f);
        const int stretch = static_cast<int>(frequencies.size());
        const std::vector<Line> lines = spectrum_lines(s, frequencies.data(), stretch, norm, fourth);
        log_powers.resize(stretch);
        log_power_errors.resize(stretch);
        for (int k = 0; k < stretch; ++k) {
            const Line& line = lines[k];
            out << frequencies[k] << '\t' << line.re << '\t' << line.im << '\t'
                << (fourth == FourthColumn::amplitude ? line.amplitude : line.log_power) << std::endl;
            // A lost line ends the output; the caller's close reports it.
            if (!out)
                return;
            log_powers[k] = line.log_power;
            log_power_errors[k] = line.log_power_error;
        }
        // The peak so far is the scalar transform's, so each stretch can
        // carry it on from there.
        if (peak)
            track_peak(s, frequencies, log_powers, log_power_errors, norm, *peak);
    }
}
