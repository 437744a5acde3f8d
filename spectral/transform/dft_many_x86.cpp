// The x86-64 vector kernels of the transform (see dft_many.cpp).
#include "spectral/dft_many_x86.h"

#include <immintrin.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "spectral/dft_constants.h"

// The maths library's vector sine and cosine: 4 lanes for AVX2, 8 for AVX-512.
extern "C" {
__attribute__((target("avx2,fma"))) __m256d _ZGVdN4v_sin(__m256d);
__attribute__((target("avx2,fma"))) __m256d _ZGVdN4v_cos(__m256d);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_sin(__m512d);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_cos(__m512d);
}

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::two_pi;
using dft_constants::unit_roundoff;
// Error of a vector sine or cosine against the scalar one.
constexpr double trig_error = dft_constants::vector_trig_error;

// Bound on |vector sum - scalar sum| for one part of one frequency. Each term
// (y c) dt can differ by |y dt| times the trig error plus the rounding of its
// two products on both paths (below the normal range on a fixed grid
// instead); each of the n additions can then round differently, by at most
// the unit roundoff of the larger partial sum on each path. With
// sum_abs_y_dt 0 every term is exactly zero on both paths.
double sum_error(double sum_abs_y_dt, int n, double max_partial)
{
    const double underflow = sum_abs_y_dt > 0.0 ? 8.0 * n * DBL_TRUE_MIN : 0.0;
    const double terms = sum_abs_y_dt * (trig_error + 4.0 * unit_roundoff) + underflow;
    const double additions = 2.0 * unit_roundoff * n * (max_partial + terms);
    return (terms + additions) * 1.01;
}

void finish(double re, double im, double max_re, double max_im, double sum_abs_y_dt, int n,
            std::complex<double>* result, double* error)
{
    *result = {inv_sqrt_two_pi * re, inv_sqrt_two_pi * im};
    const double bound = std::max(sum_error(sum_abs_y_dt, n, max_re), sum_error(sum_abs_y_dt, n, max_im));
    *error = inv_sqrt_two_pi * bound * (1.0 + 4.0 * unit_roundoff) +
             4.0 * unit_roundoff * std::max(std::fabs(result->real()), std::fabs(result->imag()));
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

__attribute__((target("avx512f"))) void dft8(const double* t, const double* y, int n,
                                             const double* f, double sum_abs_y_dt,
                                             std::complex<double>* result, double* error)
{
    const __m512d w = _mm512_mul_pd(_mm512_set1_pd(two_pi), _mm512_loadu_pd(f));
    const __m512d dt = _mm512_set1_pd(t[1] - t[0]);
    __m512d re = _mm512_setzero_pd(), im = _mm512_setzero_pd();
    __m512d max_re = re, max_im = re;
    for (int i = 0; i < n; ++i) {
        const __m512d phase = _mm512_mul_pd(_mm512_set1_pd(t[i]), w);
        const __m512d yi = _mm512_set1_pd(y[i]);
        re = _mm512_add_pd(re, _mm512_mul_pd(_mm512_mul_pd(yi, _ZGVeN8v_cos(phase)), dt));
        im = _mm512_add_pd(im, _mm512_mul_pd(_mm512_mul_pd(yi, _ZGVeN8v_sin(phase)), dt));
        max_re = _mm512_maskz_max_pd(0xFF, max_re, _mm512_abs_pd(re));
        max_im = _mm512_maskz_max_pd(0xFF, max_im, _mm512_abs_pd(im));
    }
    alignas(64) double r[8], m[8], mr[8], mi[8];
    _mm512_store_pd(r, re);
    _mm512_store_pd(m, im);
    _mm512_store_pd(mr, max_re);
    _mm512_store_pd(mi, max_im);
    for (int k = 0; k < 8; ++k)
        finish(r[k], m[k], mr[k], mi[k], sum_abs_y_dt, n, result + k, error + k);
}

__attribute__((target("avx2,fma"))) void dft4(const double* t, const double* y, int n,
                                              const double* f, double sum_abs_y_dt,
                                              std::complex<double>* result, double* error)
{
    const __m256d w = _mm256_mul_pd(_mm256_set1_pd(two_pi), _mm256_loadu_pd(f));
    const __m256d dt = _mm256_set1_pd(t[1] - t[0]);
    const __m256d sign = _mm256_set1_pd(-0.0);
    __m256d re = _mm256_setzero_pd(), im = _mm256_setzero_pd();
    __m256d max_re = re, max_im = re;
    for (int i = 0; i < n; ++i) {
        const __m256d phase = _mm256_mul_pd(_mm256_set1_pd(t[i]), w);
        const __m256d yi = _mm256_set1_pd(y[i]);
        re = _mm256_add_pd(re, _mm256_mul_pd(_mm256_mul_pd(yi, _ZGVdN4v_cos(phase)), dt));
        im = _mm256_add_pd(im, _mm256_mul_pd(_mm256_mul_pd(yi, _ZGVdN4v_sin(phase)), dt));
        max_re = _mm256_max_pd(max_re, _mm256_andnot_pd(sign, re));
        max_im = _mm256_max_pd(max_im, _mm256_andnot_pd(sign, im));
    }
    alignas(32) double r[4], m[4], mr[4], mi[4];
    _mm256_store_pd(r, re);
    _mm256_store_pd(m, im);
    _mm256_store_pd(mr, max_re);
    _mm256_store_pd(mi, max_im);
    for (int k = 0; k < 4; ++k)
        finish(r[k], m[k], mr[k], mi[k], sum_abs_y_dt, n, result + k, error + k);
}
