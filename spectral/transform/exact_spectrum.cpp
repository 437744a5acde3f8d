// The spectrum lines: a fast transform of every line (the chirp transform or
// the recurrence, by a cost model), then again every line whose printed
// digits its bound leaves open, first by the vector path that evaluates each
// sine and cosine, then, if still open, by the scalar transform; and where a
// peak is wanted, every line that might hold it, narrowed the same way.
// Where no fast path could decide a line the scalar transform computes every
// line at once.
#include "spectral/transform/exact_spectrum.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <utility>

#include "spectral/transform/dft.h"
#include "spectral/transform/dft_chirp.h"
#include "spectral/transform/dft_constants.h"

namespace {

constexpr double sqrt_two_pi = 2.5066282746310002;
using dft_constants::unit_roundoff;
// Frequencies transformed at once: long enough for the fast transform to run
// at full speed, short enough for its sums to stay in cache.
constexpr int stretch = 4096;
// The rounded-phase pass of one line costs about this many times the
// recurrence's per term (0.53 against 0.36 ns on crab_spectrum's grid).
constexpr double rounded_phase_over_recurrence = 1.5;
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
    l.tier = Tier::scalar;
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
// frequency whose phases are finite; the reference build computes them
// anyway. Elsewhere the chirp transform goes first where it costs less than
// the recurrence and its bound can decide printed digits.
enum class Decider { chirp, recurrence, scalar_loop, zero_terms };

struct Decision {
    Decider by;
    double largest_t;   // the largest |time|, for the phases of zero terms
    ChirpModel chirp;   // where by is chirp, the chirp transform's model
};

// The cost model, in units of one recurrence term (one sample at one
// frequency): the chirp transform's FFTs and per-line phasors against the
// recurrence over every pair. Its bound grows with the scalar loop's phase
// rounding, u |t w| per term, against a line's typical size, the 2-norm of
// the values: where that ratio passes a printed digit's resolution nearly
// every line would be left open.
constexpr double fft_cost_per_point_and_stage = 1.6;
constexpr double chirp_cost_per_line_and_block = 120.0;
constexpr double least_resolution = 1e-7;

FirstPass first_pass_wanted = FirstPass::cost_model;

// sum_abs_yt and sum_square: the sums of |y t| and of y^2 over the series.
bool chirp_pays(const ChirpModel& model, int n, int count, double sum_abs_yt, double sum_square)
{
    if (model.blocks == 0 || first_pass_wanted != FirstPass::cost_model)
        return model.blocks != 0 && first_pass_wanted == FirstPass::chirp;
    const double points = model.fft_points;
    const double chirp_cost = model.blocks * (8.0 * points * std::log2(points) * fft_cost_per_point_and_stage +
                                              chirp_cost_per_line_and_block * count);
    const double resolution = unit_roundoff * model.largest_w * sum_abs_yt / std::sqrt(sum_square);
    return chirp_cost < static_cast<double>(n) * count && resolution < least_resolution;
}

Decision decide(const Series& s, double norm, const std::vector<double>& f)
{
    const int n = static_cast<int>(s.t.size()), count = static_cast<int>(f.size());
    double sum_abs_y = 0.0, largest_t = 0.0, sum_abs_yt = 0.0, sum_square = 0.0;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(s.t[i]) || !std::isfinite(s.y[i]))
            return {Decider::scalar_loop, 0.0, {}};
        sum_abs_y += std::fabs(s.y[i]);
        largest_t = std::max(largest_t, std::fabs(s.t[i]));
        sum_abs_yt += std::fabs(s.y[i] * s.t[i]);
        sum_square += s.y[i] * s.y[i];
    }
    if (!std::isfinite(norm) || norm == 0.0)
        return {Decider::scalar_loop, largest_t, {}};
    const bool reference = std::strcmp(dft_path_name(), "scalar") == 0;
    const double dt = s.t[1] - s.t[0];
    if ((sum_abs_y == 0.0 || dt == 0.0) && !reference)
        return {Decider::zero_terms, largest_t, {}};
    const double largest_x = 2.0 * dft_constants::inv_sqrt_two_pi * sum_abs_y * std::fabs(dt);
    if (!(largest_x >= least_root))
        return {Decider::scalar_loop, largest_t, {}};
    if (!reference) {
        ChirpModel chirp = fit_chirp_model(s.t.data(), s.y.data(), n, f.data(), count);
        if (chirp_pays(chirp, n, count, sum_abs_yt, sum_square))
            return {Decider::chirp, largest_t, std::move(chirp)};
    }
    return {Decider::recurrence, largest_t, {}};
}

// Every frequency's transform and its bound by the recurrence, in stretches.
void recurrence_pass(const Series& s, const std::vector<double>& f, std::vector<std::complex<double>>& x,
                     std::vector<double>& x_error)
{
    const int n = static_cast<int>(s.t.size()), count = static_cast<int>(f.size());
    for (int k = 0; k < count; k += stretch) {
        const int size = std::min(stretch, count - k);
        dft_many(s.t.data(), s.y.data(), n, f.data() + k, size, x.data() + k, x_error.data() + k);
    }
}

// Every frequency's transform and its bound by the decider; from the chirp
// transform also each one's bound on its distance from the exact sum.
Tier first_pass(const Series& s, const std::vector<double>& f, const Decision& decision,
                std::vector<std::complex<double>>& x, std::vector<double>& x_error,
                std::vector<double>& exact_error)
{
    const int n = static_cast<int>(s.t.size()), count = static_cast<int>(f.size());
    exact_error.assign(count, INFINITY);
    if (decision.by == Decider::chirp &&
        dft_chirp(decision.chirp, s.t.data(), s.y.data(), n, x.data(), x_error.data(), exact_error.data()))
        return Tier::chirp;
    if (decision.by == Decider::chirp || decision.by == Decider::recurrence) {
        recurrence_pass(s, f, x, x_error);
        return Tier::recurrence;
    }
    for (int k = 0; k < count; ++k) {
        const bool zero = decision.by == Decider::zero_terms &&
                          std::isfinite(decision.largest_t * (two_pi * f[k]));
        x[k] = zero ? std::complex<double>() : dft(s.t.data(), s.y.data(), n, f[k]);
        x_error[k] = 0.0;
    }
    return Tier::scalar;
}

// The open lines of the chirp transform, turned to the scalar loop's rounded
// phases; those still open are returned.
std::vector<size_t> decide_by_rounded_phases(const Series& s, const UniformTimes& times,
                                             const std::vector<size_t>& open,
                                             const std::vector<std::complex<double>>& exact,
                                             const std::vector<double>& exact_error, double norm,
                                             FourthColumn fourth, std::vector<BoundedLine>& lines)
{
    const int n = static_cast<int>(s.t.size()), size = static_cast<int>(open.size());
    std::vector<double> f(size), e(size), x_error(size);
    std::vector<std::complex<double>> x0(size), x(size);
    for (int j = 0; j < size; ++j) {
        f[j] = lines[open[j]].line.frequency;
        x0[j] = exact[open[j]];
        e[j] = exact_error[open[j]];
    }
    dft_many_rounded_phase(times, s.t.data(), s.y.data(), n, f.data(), size, x0.data(), e.data(),
                           x.data(), x_error.data());
    std::vector<size_t> still_open;
    for (int j = 0; j < size; ++j) {
        const BoundedLine line = spectrum_line(f[j], x[j], x_error[j], norm);
        if (prints_stably(line, fourth)) {
            lines[open[j]] = line;
            lines[open[j]].line.tier = Tier::rounded_phase;
        } else {
            still_open.push_back(open[j]);
        }
    }
    return still_open;
}

// The lines named by open, again: by the vector path that evaluates every
// sine and cosine, then, where still undecided, by the scalar loop.
void decide_open(const Series& s, const std::vector<size_t>& open, double norm, FourthColumn fourth,
                 std::vector<BoundedLine>& lines)
{
    const int n = static_cast<int>(s.t.size());
    for (size_t first = 0; first < open.size(); first += stretch) {
        const int size = static_cast<int>(std::min<size_t>(stretch, open.size() - first));
        std::vector<double> f(size), x_error(size);
        std::vector<std::complex<double>> x(size);
        for (int j = 0; j < size; ++j)
            f[j] = lines[open[first + j]].line.frequency;
        dft_many_direct(s.t.data(), s.y.data(), n, f.data(), size, x.data(), x_error.data());
        for (int j = 0; j < size; ++j) {
            BoundedLine& line = lines[open[first + j]];
            line = spectrum_line(f[j], x[j], x_error[j], norm);
            line.line.tier = Tier::direct;
            if (!prints_stably(line, fourth))
                line = scalar_line(s, f[j], norm);
        }
    }
}

// The lines of every frequency, each decided. Where the chirp transform
// leaves more lines open than the recurrence over the whole grid would cost,
// the recurrence takes them first.
std::vector<BoundedLine> decided_lines(const Series& s, const std::vector<double>& f, double norm,
                                       FourthColumn fourth, const Decision& decision)
{
    const int count = static_cast<int>(f.size());
    std::vector<std::complex<double>> x(count);
    std::vector<double> x_error(count, 0.0), exact_error;
    const Tier tier = first_pass(s, f, decision, x, x_error, exact_error);
    std::vector<BoundedLine> lines(count);
    std::vector<size_t> open;
    for (int k = 0; k < count; ++k) {
        lines[k] = spectrum_line(f[k], x[k], x_error[k], norm);
        lines[k].line.tier = tier;
        if (!prints_stably(lines[k], fourth))
            open.push_back(k);
    }
    const bool few_open = open.size() * rounded_phase_over_recurrence <= f.size();
    if (tier == Tier::chirp && few_open)
        open = decide_by_rounded_phases(s, decision.chirp.time, open, x, exact_error, norm, fourth, lines);
    if (tier == Tier::chirp && !few_open) {
        recurrence_pass(s, f, x, x_error);
        std::vector<size_t> still_open;
        for (size_t k : open) {
            lines[k] = spectrum_line(f[k], x[k], x_error[k], norm);
            lines[k].line.tier = Tier::recurrence;
            if (!prints_stably(lines[k], fourth))
                still_open.push_back(k);
        }
        open.swap(still_open);
    }
    decide_open(s, open, norm, fourth, lines);
    return lines;
}

// Replaces each line named by which with its line from the vector path that
// evaluates every sine and cosine, where that one's log power is bounded
// more tightly.
void narrow_by_direct_path(const Series& s, const std::vector<size_t>& which, double norm,
                           std::vector<BoundedLine>& lines)
{
    const int n = static_cast<int>(s.t.size()), size = static_cast<int>(which.size());
    std::vector<double> f(size), x_error(size);
    std::vector<std::complex<double>> x(size);
    for (int j = 0; j < size; ++j)
        f[j] = lines[which[j]].line.frequency;
    dft_many_direct(s.t.data(), s.y.data(), n, f.data(), size, x.data(), x_error.data());
    for (int j = 0; j < size; ++j) {
        BoundedLine line = spectrum_line(f[j], x[j], x_error[j], norm);
        line.line.tier = x_error[j] == 0.0 ? Tier::scalar : Tier::direct;
        line.line.recomputed = x_error[j] == 0.0;
        if (line.log_power_error < lines[which[j]].log_power_error)
            lines[which[j]] = line;
    }
}

// The peak is the last frequency whose log power equals the largest one; only
// lines within their error of the largest value can decide it, so those are
// decided exactly: the vector path that evaluates every sine and cosine
// narrows most of them, the scalar loop takes the rest. Every other line lies
// below the largest on both paths and can neither raise the peak nor equal it.
void decide_peak(const Series& s, double norm, std::vector<BoundedLine>& lines)
{
    for (int pass = 0; pass < 2; ++pass) {
        double top = -INFINITY, top_error = 0.0;
        for (const BoundedLine& b : lines)
            if (b.line.log_power > top) {
                top = b.line.log_power;
                top_error = b.log_power_error;
            }
        std::vector<size_t> candidates;
        for (size_t k = 0; k < lines.size(); ++k)
            if (lines[k].log_power_error != 0.0 &&
                lines[k].line.log_power + lines[k].log_power_error >= top - top_error)
                candidates.push_back(k);
        if (pass == 0 && candidates.size() > 1) {
            narrow_by_direct_path(s, candidates, norm, lines);
            continue;
        }
        for (size_t k : candidates)
            lines[k] = scalar_line(s, lines[k].line.frequency, norm);
        return;
    }
}

}  // namespace

void use_first_pass(FirstPass pass)
{
    first_pass_wanted = pass;
}

std::vector<Line> exact_spectrum(const Series& s, const FrequencyGrid& grid, FourthColumn fourth,
                                 bool peak)
{
    const int n = static_cast<int>(s.t.size());
    const double span = s.t[n - 1] - s.t[0];
    const double norm = (2.0 / span) * sqrt_two_pi;
    std::vector<double> frequencies;
    for (double f = grid.first; grid.limit > f; f = f + grid.step)
        frequencies.push_back(f);
    const Decision decision = decide(s, norm, frequencies);
    std::vector<BoundedLine> lines = decided_lines(s, frequencies, norm, fourth, decision);
    if (peak)
        decide_peak(s, norm, lines);
    std::vector<Line> result;
    result.reserve(lines.size());
    for (const BoundedLine& b : lines)
        result.push_back(b.line);
    return result;
}
