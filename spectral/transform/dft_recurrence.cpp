// The transform by phasor recurrence: lays the frequencies out for the vector
// kernels, runs them over the samples, and bounds how far each result may lie
// from dft's.
//
// The grid. The spectrum programs accumulate their frequencies, f = f + step,
// and that grid is not first + k step: within a binade it is exactly
// arithmetic with a step of its own. The frequencies are cut into segments
// whose differences are exactly equal, each segment laid out in blocks of
// lanes (the last padded), so that a block follows from the one before by the
// step phasor of the segment.
//
// The bound, for one part of one frequency, is the sum of two things. The
// terms: an anchor's sine and cosine are the vector functions' (at most
// vector_trig_error from the true ones), every step of the chain adds the step
// phasor's error and the rounding of a complex product, and the first-order
// turn by eps leaves eps^2 / 2 and its own roundings; dft's own cosine is
// within scalar_trig_error of the true one, and both paths round (y c) dt
// twice. That error, times the sum of |y dt|, bounds the terms' differences.
// Below the normal range the products round to a fixed grid instead, which
// the underflow allowance covers (dft_constants.h), and the final scaling
// rounds by half a quantum on each path. The additions: two sums adding
// different terms in the same order part by at most the terms' differences
// plus the roundings of both, u times the sum over samples of both partial
// sums' magnitudes. That sum is tracked: every window of samples adds the
// magnitude of the running sum at its start, and the window's own sum of
// |y dt| bounds how far it grows within.
#include "spectral/transform/dft_recurrence.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "spectral/transform/dft_constants.h"

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::scalar_trig_error;
using dft_constants::unit_roundoff;
using dft_constants::vector_trig_error;
constexpr int anchor_every = 128;    // blocks between anchors
constexpr int window = 64;           // samples between checkpoints of the sums
// Turns by eps to first order up to this eps, beyond it to third (times far
// from 0), and none beyond the second, where the bound is too wide to be
// worth it.
constexpr double largest_first_order_eps = 1e-6;
constexpr double largest_eps = 4e-3;

struct Layout {
    std::vector<int> segment_block;
    std::vector<double> segment_omega;
    std::vector<double> w, g;
    std::vector<int> position;       // slot of each frequency in the blocks
    std::vector<int> steps;          // steps since its anchor
    double largest_w = 0.0, largest_g = 0.0, largest_omega = 0.0;
};

// The rounding error of s = fl(a + b), exactly (Knuth's two-sum).
double two_sum_error(double a, double b, double s)
{
    const double bv = s - a;
    return (a - (s - bv)) + (b - bv);
}

// True when b - a is exactly the double d.
bool exact_difference(double a, double b, double d)
{
    return b - a == d && two_sum_error(b, -a, d) == 0.0;
}

// Cuts f into runs of exactly equal differences and lays them out.
Layout lay_out(int lanes, const double* f, int count)
{
    Layout l;
    l.position.resize(count);
    l.steps.resize(count);
    int first = 0;
    while (first < count) {
        int end = first + 1;
        const double step = end < count ? f[end] - f[first] : 0.0;
        while (end < count && exact_difference(f[end - 1], f[end], step))
            ++end;
        const double omega = two_pi * (lanes * step);
        const int block0 = static_cast<int>(l.w.size()) / lanes;
        const int blocks = (end - first + lanes - 1) / lanes;
        l.segment_block.push_back(block0);
        l.segment_omega.push_back(omega);
        for (int b = 0; b < blocks; ++b) {
            const int m = b % anchor_every;
            for (int j = 0; j < lanes; ++j) {
                const int slot = b * lanes + j;
                // Padding lanes repeat the last frequency; their sums are dropped.
                const int k = first + std::min(slot, end - first - 1);
                const int anchor = first + std::min((b - m) * lanes + j, end - first - 1);
                const double w = two_pi * f[k];
                const double wa = two_pi * f[anchor];
                // g = (w - wa) - m omega, with w - wa split exactly into two parts.
                const double d = w - wa;
                const double gk = std::fma(-static_cast<double>(m), omega, d) + two_sum_error(w, -wa, d);
                l.w.push_back(w);
                l.g.push_back(gk);
                if (slot < end - first) {
                    l.position[k] = block0 * lanes + slot;
                    l.steps[k] = m;
                    l.largest_w = std::max(l.largest_w, std::fabs(w));
                    l.largest_g = std::max(l.largest_g, std::fabs(gk));
                }
            }
        }
        first = end;
    }
    l.segment_block.push_back(static_cast<int>(l.w.size()) / lanes);
    for (double omega : l.segment_omega)
        l.largest_omega = std::max(l.largest_omega, std::fabs(omega));
    return l;
}

// The error, per unit of |y dt|, of one term of a frequency m steps from its
// anchor, with eps at most largest_eps and remainders t w - fl(t w) at most
// rest (t omega - fl(t omega) at most step_rest for the step), against dft's
// term. A turn by x to first order leaves x^2 / 2 and
// three roundings of size x or 1; to third, x^4 / 24 and, with x^2 and the
// two coefficients rounded, at most 6u and 3u x, its factors at most
// 1 + x^2 in modulus.
double term_error(int m, double eps, double rest, double step_rest, int order)
{
    const double u = unit_roundoff;
    auto dropped = [order](double x) { return order == 1 ? x * x / 2.0 : x * x * x * x / 24.0 * (1.0 + x); };
    auto rounding = [order, u](double x) { return order == 1 ? 3.0 * u * x : 6.0 * u + 3.0 * u * x; };
    const double growth_of = order == 1 ? 1.0 : 1.0 + eps * eps;
    // An anchor or step phasor turned onto t w: trig error, the turn's
    // remainder and rounding, each part. Order 3 reduces t w to one turn
    // first: the low part's roundings and 2 pi's dropped third part, about
    // 1e-30 |t w| = 1e-14 of the remainder.
    auto phasor = [&](double x) {
        const double reduction = order == 1 ? 0.0 : 1e-14 * x + vector_trig_error * u;
        return vector_trig_error * (1.0 + x) * growth_of + dropped(x) + rounding(x) +
               u * (1.0 + x + vector_trig_error) + reduction;
    };
    // Modulus of the chain's error after m complex products by the step.
    const double step = phasor(step_rest);
    const double chain = std::sqrt(2.0) * (phasor(rest) + m * (step + 2.0 * u)) * (1.0 + 1e-4);
    const double turned = chain * (1.0 + eps) * growth_of + rounding(eps) + dropped(eps) +
                          u * (1.0 + eps) * (1.0 + chain);
    return (turned + scalar_trig_error + 4.0 * u * (1.0 + turned)) * (1.0 + 1e-3);
}

}  // namespace

bool dft_many_recurrence(int lanes, const double* t, const double* y, int n, const double* f,
                         int count, std::complex<double>* result, double* error)
{
    const double u = unit_roundoff;
    const double dt = t[1] - t[0];
    double largest_t = 0.0, sum_abs_y_dt = 0.0;
    for (int i = 0; i < n; ++i) {
        largest_t = std::max(largest_t, std::fabs(t[i]));
        sum_abs_y_dt += std::fabs(y[i] * dt);
    }
    sum_abs_y_dt *= 1.0 + 2.0 * n * u;
    for (int k = 0; k < count; ++k)
        if (!std::isfinite(f[k]))
            return false;
    if (!std::isfinite(largest_t) || !std::isfinite(sum_abs_y_dt))
        return false;

    const Layout l = lay_out(lanes, f, count);
    const double rest = u * largest_t * l.largest_w * (1.0 + 4.0 * u);
    const double step_rest = u * largest_t * l.largest_omega * (1.0 + 4.0 * u);
    const double eps = (rest + largest_t * l.largest_g) * 1.01;
    if (!(eps <= largest_eps))
        return false;

    const int order = eps <= largest_first_order_eps ? 1 : 3;
    const RecurrenceGrid grid{lanes,
                              anchor_every,
                              static_cast<int>(l.segment_omega.size()),
                              l.segment_block.data(),
                              l.segment_omega.data(),
                              l.w.data(),
                              l.g.data(),
                              order};
    const size_t slots = l.w.size();
    std::vector<double> re(slots, 0.0), im(slots, 0.0), start_re(slots, 0.0), start_im(slots, 0.0);
    // Sum over windows of the window's length times its sum of |y dt|.
    double growth = 0.0;
    for (int first = 0; first < n; first += window) {
        const int size = std::min(window, n - first);
        for (size_t p = 0; p < slots; ++p) {
            start_re[p] += std::fabs(re[p]);
            start_im[p] += std::fabs(im[p]);
        }
        double window_abs = 0.0;
        for (int i = first; i < first + size; ++i)
            window_abs += std::fabs(y[i] * dt);
        growth += size * window_abs;
        if (lanes == 8)
            recurrence_sums_avx512(grid, t + first, y + first, size, dt, re.data(), im.data());
        else
            recurrence_sums_avx2(grid, t + first, y + first, size, dt, re.data(), im.data());
    }

    std::vector<double> errors(anchor_every);
    for (int m = 0; m < anchor_every; ++m)
        errors[m] = term_error(m, eps, rest, step_rest, order) * sum_abs_y_dt;
    const double tracked = 1.01;   // the window's roundings and terms' magnitudes above |y dt|
    const double spread = 1.0 / (1.0 - n * u);
    const double underflow = dft_constants::underflow_allowance(n, dt);
    for (int k = 0; k < count; ++k) {
        const int p = l.position[k];
        const double partial = std::max(start_re[p], start_im[p]) * window + growth;
        const double bound = (errors[l.steps[k]] + 2.0 * u * partial * tracked + underflow) * spread * 1.01;
        result[k] = {inv_sqrt_two_pi * re[p], inv_sqrt_two_pi * im[p]};
        error[k] = inv_sqrt_two_pi * bound * (1.0 + 4.0 * u) +
                   4.0 * u * std::max(std::fabs(result[k].real()), std::fabs(result[k].imag())) +
                   DBL_TRUE_MIN;
    }
    return true;
}
