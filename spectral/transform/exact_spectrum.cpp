// The spectrum lines: the fast transform, then again every line whose printed
// digits its bound leaves open, first by the vector path that evaluates each
// sine and cosine, then, if still open, by the scalar transform; and where a
// peak is wanted, every line that might hold it from the scalar transform.
// Where no fast path could decide a line the scalar transform computes every
// line at once.
#include "spectral/transform/exact_spectrum.h"

#include <algorithm>
#include <cfloat>
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
// Within these magnitudes squares and their sums are normal numbers, and a
// square's rounding is relative.
constexpr double least_root = 0x1p-500;
constexpr double largest_root = 0x1p500;

// A line with bounds on how far each of its numbers may lie from the value
// the scalar transform gives (all 0 when it came from the scalar one).
struct BoundedLine {
    Line line;
    double re_error, im_error, amplitude_error, log_power_error;
};

// The bounds below rest on relative rounding of every product, square, root
// and logarithm, with the maths library's logarithm within a few units in the
// last place. Products that may fall below the normal range add half a
// quantum each; squares or an amplitude outside [least_root, largest_root],
// where their rounding is no longer relative or overflows, leave the
// amplitude and log power undecided.
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
    // Decreasing times make the scale negative; the errors keep their sign.
    const double scale = std::fabs(norm);
    b.re_error = x_error * scale * (1.0 + slack) + slack * std::fabs(l.re) + 2.0 * DBL_TRUE_MIN;
    b.im_error = x_error * scale * (1.0 + slack) + slack * std::fabs(l.im) + 2.0 * DBL_TRUE_MIN;
    l.bound = std::max(b.re_error, b.im_error);
    // The modulus moves by at most the length of the error vector.
    const double amplitude = std::fabs(l.amplitude);
    b.amplitude_error = 1.5 * x_error * scale + slack * amplitude + 2.0 * DBL_TRUE_MIN;
    const double larger = std::max(std::fabs(x.real()), std::fabs(x.imag()));
    const double low = amplitude - b.amplitude_error, high = amplitude + b.amplitude_error;
    if (!(larger - x_error >= least_root && larger + x_error <= largest_root &&
          low >= least_root && high <= largest_root)) {
        b.amplitude_error = b.log_power_error = INFINITY;
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

// Who decides the lines. No fast path can where a value or time is not
// finite, there is no finite scale (a zero span), or the coefficients are too
// small for their squares to round relatively: each line would be computed
// again by the scalar loop, so it computes them at once. Where every term is
// a zero (no value, or no time step) the scalar loop's sums are +0 at every
// frequency whose phases are finite; the reference build computes them anyway.
enum class Decider { fast_paths, scalar_loop, zero_terms };

struct Decision {
    Decider by;
    double largest_t;   // the largest |time|, for the phases of zero terms
};

Decision decide(const Series& s, double norm)
{
    double sum_abs_y = 0.0, largest_t = 0.0;
    for (size_t i = 0; i < s.t.size(); ++i) {
        if (!std::isfinite(s.t[i]) || !std::isfinite(s.y[i]))
            return {Decider::scalar_loop, 0.0};
        sum_abs_y += std::fabs(s.y[i]);
        largest_t = std::max(largest_t, std::fabs(s.t[i]));
    }
    if (!std::isfinite(norm) || norm == 0.0)
        return {Decider::scalar_loop, largest_t};
    const double dt = s.t[1] - s.t[0];
    if ((sum_abs_y == 0.0 || dt == 0.0) && std::strcmp(dft_path_name(), "scalar") != 0)
        return {Decider::zero_terms, largest_t};
    const double largest_x = 2.0 * dft_constants::inv_sqrt_two_pi * sum_abs_y * std::fabs(dt);
    return {largest_x >= least_root ? Decider::fast_paths : Decider::scalar_loop, largest_t};
}

// The lines of the frequencies f[0..count-1], appended to lines.
void add_lines(const Series& s, const double* f, int count, double norm, FourthColumn fourth,
               const Decision& decision, std::vector<BoundedLine>& lines)
{
    const int n = static_cast<int>(s.t.size());
    std::vector<std::complex<double>> x(count);
    std::vector<double> x_error(count, 0.0);
    if (decision.by == Decider::fast_paths) {
        dft_many(s.t.data(), s.y.data(), n, f, count, x.data(), x_error.data());
    } else {
        for (int k = 0; k < count; ++k) {
            const bool zero = decision.by == Decider::zero_terms &&
                              std::isfinite(decision.largest_t * (two_pi * f[k]));
            x[k] = zero ? std::complex<double>() : dft(s.t.data(), s.y.data(), n, f[k]);
        }
    }
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
    const Decision decision = decide(s, norm);
    std::vector<BoundedLine> lines;
    std::vector<double> frequencies;
    for (double f = grid.first; grid.limit > f; f = f + grid.step) {
        frequencies.push_back(f);
        if (static_cast<int>(frequencies.size()) == stretch) {
            add_lines(s, frequencies.data(), stretch, norm, fourth, decision, lines);
            frequencies.clear();
        }
    }
    if (!frequencies.empty())
        add_lines(s, frequencies.data(), static_cast<int>(frequencies.size()), norm, fourth,
                  decision, lines);
    if (peak)
        decide_peak(s, norm, lines);
    std::vector<Line> result;
    result.reserve(lines.size());
    for (const BoundedLine& b : lines)
        result.push_back(b.line);
    return result;
}
