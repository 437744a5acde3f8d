// The direct transform on the x86-64 vector kernels and its bound (see
// dft_many.cpp); the kernels themselves are in dft_kernels_*.cpp.
#include "spectral/transform/dft_many_x86.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/vector_reduction.h"

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::unit_roundoff;
// Error of a vector sine or cosine against the scalar one.
constexpr double trig_error = dft_constants::vector_trig_error;

// Bound on |vector sum - scalar sum| for one part of one frequency. Each term
// (y c) dt can differ by |y dt| times the trig error plus the rounding of its
// two products on both paths (below the normal range on a fixed grid
// instead, the underflow allowance). The vector path's sum is its terms'
// exact sum but for the roundings of its kept roundings (u^2 of its partial
// sums) and the last addition; the scalar path's additions each round by at
// most u of its partial sum (additions below the normal range are exact).
// The sum of the vector path's partial sums' magnitudes is at most the
// kernel's chunk sums plus, within each chunk, half the chunk's sum of
// |y dt| (within_chunks); the scalar path's lie within the terms'
// differences of them.
double direct_sum_bound(double sum_abs_y_dt, double within_chunks, int n, double dt, double partials,
                        double phase_error)
{
    const double u = unit_roundoff;
    const double terms = sum_abs_y_dt * (trig_error + 4.0 * u + phase_error) +
                         dft_constants::underflow_allowance(n, dt);
    const double vector_partials = partials * (1.0 + 4.0 * u) + within_chunks;
    const double additions = u * (vector_partials + n * terms) * 1.01 + 4.0 * u * u * n * vector_partials;
    return (terms + additions) * 1.01;
}

// The scaling by inv_sqrt_two_pi rounds relatively on both paths, or by half a
// quantum each below the normal range.
void finish(double re, double im, double partial_re, double partial_im, double sum_abs_y_dt,
            double within_chunks, int n, double dt, double phase_error, std::complex<double>* result,
            double* error)
{
    *result = {inv_sqrt_two_pi * re, inv_sqrt_two_pi * im};
    const double bound =
        std::max(direct_sum_bound(sum_abs_y_dt, within_chunks, n, dt, partial_re, phase_error),
                 direct_sum_bound(sum_abs_y_dt, within_chunks, n, dt, partial_im, phase_error));
    *error = inv_sqrt_two_pi * bound * (1.0 + 4.0 * unit_roundoff) +
             4.0 * unit_roundoff * std::max(std::fabs(result->real()), std::fabs(result->imag())) +
             DBL_TRUE_MIN;
}

}  // namespace

int x86_vector_lanes()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return 8;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"))
        return 4;
    return 1;
}

void dft_direct(int lanes, const double* t, const double* y, int n, const double* f, int count,
                double sum_abs_y_dt, double largest_phase, std::complex<double>* result,
                double* error)
{
    // The reduction's loss and the first-order turn by its low part (whose
    // square is below 1e-31), on the trig error's scale.
    const bool reduce = largest_phase > dft_constants::vector_trig_fast_phase;
    const double phase_error = reduce ? reduction_error * largest_phase + unit_roundoff * unit_roundoff * 4.0 +
                                            2.0 * unit_roundoff * trig_error
                                      : 0.0;
    // Each term's magnitude is at most |y dt| (1 + trig_error).
    const double dt = t[1] - t[0];
    const double within_chunks = dft_constants::within_chunks(y, n) * std::fabs(dt) * (1.0 + trig_error) *
                                 (1.0 + 2.0 * unit_roundoff);
    // Whole blocks of lanes; a last, partial block is padded with its own
    // last frequency and the padding thrown away.
    for (int k0 = 0; k0 < count; k0 += lanes) {
        double fk[8], re[8], im[8], partial_re[8], partial_im[8];
        for (int j = 0; j < lanes; ++j)
            fk[j] = f[std::min(k0 + j, count - 1)];
        if (lanes == 8)
            direct_sums_avx512(t, y, n, fk, reduce, re, im, partial_re, partial_im);
        else
            direct_sums_avx2(t, y, n, fk, reduce, re, im, partial_re, partial_im);
        for (int j = 0; j < lanes && k0 + j < count; ++j)
            finish(re[j], im[j], partial_re[j], partial_im[j], sum_abs_y_dt, within_chunks, n, dt,
                   phase_error, result + k0 + j, error + k0 + j);
    }
}
