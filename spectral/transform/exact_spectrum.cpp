// The spectrum lines: the fast transform, then again every line whose printed
// digits its bound leaves open, first by the vector path that evaluates each
// sine and cosine, then, if still open, by the scalar transform; and where a
// peak is wanted, every line that might hold it from the scalar transform.
#include "spectral/transform/exact_spectrum.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>

#include "spectral/transform/dft.h"
#include "spectral/transform/dft_constants.h"

namespace {

constexpr double sqrt_two_pi = 2.5066282746310002;
using dft_constants::unit_roundoff;
// Frequencies transformed at once: long enough for the fast transform to run
// at full speed, short enough for its sums to stay in cache.
constexpr int stretch = 4096;

// A line with bounds on how far each of its numbers may lie from the value
// the scalar transform gives (all 0 when it came from the scalar one).
struct BoundedLine {
    Line line;
    double re_error, im_error, amplitude_error, log_power_error;
};

BoundedLine spectrum_line(double f, std::complex<double> x, double x_error, double norm)
{
    BoundedLine b;
    Line& l = b.line;
    l.frequency = f;
    l.re = x.real() * norm;
    l.im = x.imag() * norm;
    l.amplitude = std::sqrt(x.imag() * x.imag() + x.real() * x.real()) * norm;
    l.log_power = std::log10(l.amplitude * l.amplitude);
    l.recomputed = false;
    if (x_error == 0.0) {
        b.re_error = b.im_error = b.amplitude_error = b.log_power_error = l.bound = 0.0;
        return b;
    }
    const double slack = 8.0 * unit_roundoff;
    b.re_error = x_error * norm * (1.0 + slack) + slack * std::fabs(l.re);
    b.im_error = x_error * norm * (1.0 + slack) + slack * std::fabs(l.im);
    l.bound = std::max(b.re_error, b.im_error);
    // The modulus moves by at most the length of the error vector.
    b.amplitude_error = 1.5 * x_error * norm + slack * l.amplitude;
    const double low = l.amplitude - b.amplitude_error, high = l.amplitude + b.amplitude_error;
    if (!(low > 0.0)) {
        b.log_power_error = INFINITY;
        return b;
    }
    const double log_low = std::log10(low * low), log_high = std::log10(high * high);
    b.log_power_error = std::max(l.log_power - log_low, log_high - l.log_power) * (1.0 + slack) +
                        slack * (std::fabs(l.log_power) + 1e-300);
    return b;
}

// The line of the scalar transform.
BoundedLine scalar_line(const Series& s, double f, double norm)
{
    const int n = static_cast<int>(s.t.size());
    BoundedLine b = spectrum_line(f, dft(s.t.data(), s.y.data(), n, f), 0.0, norm);
    b.line.recomputed = true;
    return b;
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

bool prints_stably(const BoundedLine& b, FourthColumn fourth)
{
    const Line& l = b.line;
    return prints_stably(l.re, b.re_error) && prints_stably(l.im, b.im_error) &&
           (fourth == FourthColumn::amplitude ? prints_stably(l.amplitude, b.amplitude_error)
                                              : prints_stably(l.log_power, b.log_power_error));
}

// The lines of the frequencies f[0..count-1], appended to lines.
void add_lines(const Series& s, const double* f, int count, double norm, FourthColumn fourth,
               std::vector<BoundedLine>& lines)
{
    const int n = static_cast<int>(s.t.size());
    std::vector<std::complex<double>> x(count);
    std::vector<double> x_error(count);
    dft_many(s.t.data(), s.y.data(), n, f, count, x.data(), x_error.data());
    const size_t first = lines.size();
    std::vector<size_t> open;
    for (int k = 0; k < count; ++k) {
        lines.push_back(spectrum_line(f[k], x[k], x_error[k], norm));
        if (!prints_stably(lines.back(), fourth))
            open.push_back(first + k);
    }
    if (open.empty())
        return;
    const int size = static_cast<int>(open.size());
    std::vector<double> open_f(size);
    for (int j = 0; j < size; ++j)
        open_f[j] = lines[open[j]].line.frequency;
    dft_many_direct(s.t.data(), s.y.data(), n, open_f.data(), size, x.data(), x_error.data());
    for (int j = 0; j < size; ++j) {
        BoundedLine& line = lines[open[j]];
        line = spectrum_line(open_f[j], x[j], x_error[j], norm);
        if (!prints_stably(line, fourth))
            line = scalar_line(s, open_f[j], norm);
    }
}

// The peak is the last frequency whose log power equals the largest one; only
// lines within their error of the largest value can decide it, so those are
// taken from the scalar transform. Every other line lies below the largest
// on both paths and can neither raise the peak nor equal it.
void decide_peak(const Series& s, double norm, std::vector<BoundedLine>& lines)
{
    double top = -INFINITY, top_error = 0.0;
    for (const BoundedLine& b : lines)
        if (b.line.log_power > top) {
            top = b.line.log_power;
            top_error = b.log_power_error;
        }
    for (BoundedLine& b : lines)
        if (b.log_power_error != 0.0 && b.line.log_power + b.log_power_error >= top - top_error)
            b = scalar_line(s, b.line.frequency, norm);
}

}  // namespace

std::vector<Line> exact_spectrum(const Series& s, const FrequencyGrid& grid, FourthColumn fourth,
                                 bool peak)
{
    const int n = static_cast<int>(s.t.size());
    const double span = s.t[n - 1] - s.t[0];
    const double norm = (2.0 / span) * sqrt_two_pi;
    std::vector<BoundedLine> lines;
    std::vector<double> frequencies;
    for (double f = grid.first; grid.limit > f; f = f + grid.step) {
        frequencies.push_back(f);
        if (static_cast<int>(frequencies.size()) == stretch) {
            add_lines(s, frequencies.data(), stretch, norm, fourth, lines);
            frequencies.clear();
        }
    }
    if (!frequencies.empty())
        add_lines(s, frequencies.data(), static_cast<int>(frequencies.size()), norm, fourth, lines);
    if (peak)
        decide_peak(s, norm, lines);
    std::vector<Line> result;
    result.reserve(lines.size());
    for (const BoundedLine& b : lines)
        result.push_back(b.line);
    return result;
}
