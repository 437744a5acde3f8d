// The scalar loop's results from the exact sums, one vector pass over the
// samples for every few frequencies (dft_rounded_phase_kernel.h).
//
// The scalar loop takes the phase p = fl(t w), r = t w - p away from the
// exact one, so its sum is, in exact arithmetic, sum y e^{i p} = sum y
// e^{i t w} e^{-i r} = X - i sum y r e^{i p} + what r^2 leaves, X the exact
// sum. With the cheap phasor e within rounded_phase_error of e^{i p}, the
// correction - i sum y r e lies within sum |y r| (rounded_phase_error + 3/2
// max |r|) and its rounding of it. The scalar loop's own terms then differ
// by their sine and cosine (scalar_trig_error) and two products, and its
// additions by u times the sum of its partial sums' magnitudes: within each
// chunk of samples at most the mean of its magnitudes at the chunk's ends
// plus half the chunk's sum of |y|, those ends known from the running sum
// of y e within rounded_phase_error of sum |y|.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/dft_many_x86.h"

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::scalar_trig_error;
using dft_constants::unit_roundoff;

constexpr double u = unit_roundoff;
constexpr int chunk = 64;
// Up to this |t w| the phasor's reduction to one turn is off by at most
// 2.5e-4 radians from (-pi, pi]; on the resulting eighth of a turn, Taylor's
// remainders are 1.41e-8 (cosine to x^6) and 6.1e-10 (sine to x^7), and the
// three squarings take the modulus of the error from 2.0e-8 to 1.6e-7; the
// bound allows six times that.
constexpr double largest_phase = 0x1p40;
constexpr double rounded_phase_error = 1e-6;

double rounding_gamma(double k)
{
    return k * u / (1.0 - k * u);
}

}  // namespace

void dft_rounded_phase(int lanes, const double* t, const double* y, int n, const double* f,
                       const std::complex<double>* exact, const double* exact_error,
                       std::complex<double>* result, double* error)
{
    double largest_t = 0.0, largest_f = 0.0, sum_abs_y = 0.0, within_chunks = 0.0;
    for (int first = 0; first < n; first += chunk) {
        const int end = std::min(n, first + chunk);
        double chunk_abs_y = 0.0;
        for (int i = first; i < end; ++i) {
            largest_t = std::max(largest_t, std::fabs(t[i]));
            chunk_abs_y += std::fabs(y[i]);
        }
        sum_abs_y += chunk_abs_y;
        within_chunks += 0.5 * (end - first) * chunk_abs_y;
    }
    sum_abs_y *= 1.0 + 2.0 * rounding_gamma(n + 2);
    within_chunks *= 1.0 + 2.0 * rounding_gamma(n + 2);
    for (int k = 0; k < lanes; ++k)
        largest_f = std::max(largest_f, std::fabs(f[k]));
    if (!(largest_t * (two_pi * largest_f) <= largest_phase)) {
        std::fill(error, error + lanes, INFINITY);
        return;
    }
    RoundedPhaseSums sums;
    if (lanes == 8)
        rounded_phase_sums_avx512(t, y, n, f, chunk, sums);
    else
        rounded_phase_sums_avx2(t, y, n, f, chunk, sums);
    const double dt = t[1] - t[0];
    const double nu = rounded_phase_error;
    const double terms = (scalar_trig_error + rounding_gamma(2) * (1.0 + scalar_trig_error)) * sum_abs_y;
    for (int k = 0; k < lanes; ++k) {
        const double abs_yr = sums.abs_yr[k] * (1.0 + 2.0 * rounding_gamma(n + 2));
        const double correction = abs_yr * (nu + 1.5 * sums.largest_r[k] + rounding_gamma(n + 1) * (1.0 + nu));
        const double partial_sum_error = (nu + rounding_gamma(n) * (1.0 + nu)) * sum_abs_y;
        const double partials = sums.checkpoints[k] * (1.0 + 2.0 * rounding_gamma(n + 2)) + within_chunks +
                                static_cast<double>(n) * (partial_sum_error + terms);
        const double additions = u * partials / (1.0 - n * u);
        const double total = (correction + terms + additions) * (1.0 + 8.0 * u);
        // - i q, scaled as the sums are.
        const double cq_re = inv_sqrt_two_pi * (dt * sums.q_im[k]);
        const double cq_im = -(inv_sqrt_two_pi * (dt * sums.q_re[k]));
        result[k] = {exact[k].real() + cq_re, exact[k].imag() + cq_im};
        error[k] = exact_error[k] * (1.0 + 4.0 * u) +
                   inv_sqrt_two_pi * (std::fabs(dt) * total * (1.0 + 4.0 * u) +
                                      dft_constants::underflow_allowance(n, dt)) *
                       (1.0 + 4.0 * u) +
                   4.0 * u * (std::fabs(cq_re) + std::fabs(cq_im)) +
                   2.0 * u * (std::fabs(result[k].real()) + std::fabs(result[k].imag())) +
                   4.0 * DBL_TRUE_MIN;
    }
}
