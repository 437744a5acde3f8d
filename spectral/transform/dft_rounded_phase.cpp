// The scalar loop's results from the exact sums, one vector pass over the
// samples for every few frequencies (dft_rounded_phase_kernel.h).
//
// The scalar loop takes the phase p = fl(t w), r = t w - p away from the
// exact one, so its sum is, in exact arithmetic, sum y e^{i p} = sum y
// e^{i t w} e^{-i r} = X - i sum y r e^{i t w} + at most sum |y| r^2 / 2, X
// the exact sum. With the cheap phasor e within nu of e^{i t w}, the
// correction - i sum y r e lies within sum |y r| nu and its rounding of it;
// |r| is at most u |t w|. The scalar loop's own terms then differ by their
// sine and cosine (scalar_trig_error) and two products, and its additions by
// u times the sum of its partial sums' magnitudes: within each chunk of
// samples at most the mean of its magnitudes at the chunk's ends plus half
// the chunk's sum of |y|, those ends known from the running sum of y e
// within (nu + max |r|) sum |y|.
//
// The phasor: e^{i (t0 + m h) w} carried from the start of each run of grid
// points by the step phasor e^{i h w} (the maths library's, within 2 ulp a
// part), then turned by e^{i delta w} to first order. A run's start comes
// from the cheap phasor of the kernel: an eighth of a turn's Taylor
// polynomials, squared three times; up to |t w| = 2^40 the reduction to one
// turn is off by at most 2.5e-4 radians from (-pi, pi], the remainders on
// the eighth are 1.41e-8 (cosine to x^6) and 6.1e-10 (sine to x^7), and the
// squarings take the error's modulus from 2.0e-8 to 1.6e-7, which
// cheap_phasor_error allows six times over.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "spectral/transform/dft_chirp.h"
#include "spectral/transform/dft_constants.h"
#include "spectral/transform/dft_many_x86.h"

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::rounded_up;
using dft_constants::rounding_gamma;
using dft_constants::unit_roundoff;

constexpr double u = unit_roundoff;
constexpr double largest_phase = 0x1p40;
constexpr double cheap_phasor_error = 1e-6;
// Beyond this distance of the carried phasor from e^{i t w} the bound is
// too wide to be worth it.
constexpr double largest_phasor_error = 1e-3;

// What the bound needs of the series, whatever the frequency.
struct SeriesSums {
    double sum_abs_y = 0.0, sum_abs_yt = 0.0, largest_t = 0.0;
    double within_chunks = 0.0;
};

SeriesSums series_sums(const double* t, const double* y, int n)
{
    SeriesSums s;
    for (int i = 0; i < n; ++i) {
        s.largest_t = std::max(s.largest_t, std::fabs(t[i]));
        s.sum_abs_y += std::fabs(y[i]);
        s.sum_abs_yt += std::fabs(y[i]) * std::fabs(t[i]);
    }
    s.sum_abs_y = rounded_up(s.sum_abs_y, n);
    s.sum_abs_yt = rounded_up(s.sum_abs_yt, 2.0 * n);
    s.within_chunks = dft_constants::within_chunks(y, n);
    return s;
}

}  // namespace

void dft_rounded_phase(int lanes, const UniformTimes& grid, const double* t, const double* y, int n,
                       const double* f, int count,
                       const std::complex<double>* exact, const double* exact_error,
                       std::complex<double>* result, double* error)
{
    std::fill(error, error + count, INFINITY);
    std::copy(exact, exact + count, result);
    if (grid.points == 0)
        return;
    std::vector<int> anchor_index;
    std::vector<double> anchor_time;
    for (int i = 0; i < n; ++i)
        if (i == 0 || grid.m[i] != grid.m[i - 1] + 1) {
            anchor_index.push_back(i);
            anchor_time.push_back(grid.t0 + grid.m[i] * grid.h);
        }
    const RoundedPhaseSeries series{t, y, grid.delta.data(), n, anchor_index.data(), anchor_time.data(),
                                    static_cast<int>(anchor_index.size())};
    const SeriesSums sums = series_sums(t, y, n);
    const double dt = t[1] - t[0];
    const double terms = dft_constants::scalar_term_error * sums.sum_abs_y;
    for (int k0 = 0; k0 < count; k0 += lanes) {
        // A last, partial block is padded with its own last frequency.
        double fk[8], step_re[8], step_im[8];
        for (int j = 0; j < lanes; ++j) {
            fk[j] = f[std::min(k0 + j, count - 1)];
            const double hw = grid.h * (two_pi * fk[j]);
            step_re[j] = std::cos(hw);
            step_im[j] = std::sin(hw);
        }
        RoundedPhaseSums out;
        if (lanes == 8)
            rounded_phase_sums_avx512(series, fk, step_re, step_im, out);
        else
            rounded_phase_sums_avx2(series, fk, step_re, step_im, out);
        for (int j = 0; j < lanes && k0 + j < count; ++j) {
            const int k = k0 + j;
            const double aw = std::fabs(two_pi * fk[j]);
            if (!(sums.largest_t * aw <= largest_phase))
                continue;
            // The carried phasor's distance from e^{i t w}.
            const double step_error = u * grid.h * aw * (1.0 + u) + 0x1p-50;
            const double run = cheap_phasor_error + 7.0 * u * sums.largest_t * aw +
                               static_cast<double>(n) * (step_error + 4.0 * u) * 1.01;
            const double dw = grid.largest_delta * aw;
            const double nu = run * (1.0 + dw) + dw * dw / 2.0 + aw * grid.delta_error + 4.0 * u;
            if (!(nu <= largest_phasor_error))
                continue;
            const double abs_yr = u * (1.0 + u) * aw * sums.sum_abs_yt * (1.0 + 2.0 * u);
            const double largest_r = u * (1.0 + u) * aw * sums.largest_t;
            const double correction =
                abs_yr * (nu + largest_r / 2.0 + rounding_gamma(n + 1) * (1.0 + nu));
            const double partial_sum_error = (nu + largest_r + rounding_gamma(n) * (1.0 + nu)) * sums.sum_abs_y;
            const double partials = out.checkpoints[j] * (1.0 + 2.0 * rounding_gamma(n + 2)) +
                                    sums.within_chunks + static_cast<double>(n) * (partial_sum_error + terms);
            const double additions = u * partials / (1.0 - n * u);
            const double total = (correction + terms + additions) * (1.0 + 8.0 * u);
            // - i q, scaled as the sums are.
            const double cq_re = inv_sqrt_two_pi * (dt * out.q_im[j]);
            const double cq_im = -(inv_sqrt_two_pi * (dt * out.q_re[j]));
            result[k] = {exact[k].real() + cq_re, exact[k].imag() + cq_im};
            error[k] = exact_error[k] * (1.0 + 4.0 * u) +
                       inv_sqrt_two_pi *
                           (std::fabs(dt) * total * (1.0 + 4.0 * u) + dft_constants::underflow_allowance(n, dt)) *
                           (1.0 + 4.0 * u) +
                       4.0 * u * (std::fabs(cq_re) + std::fabs(cq_im)) +
                       2.0 * u * (std::fabs(result[k].real()) + std::fabs(result[k].imag())) + 4.0 * DBL_TRUE_MIN;
        }
    }
}
