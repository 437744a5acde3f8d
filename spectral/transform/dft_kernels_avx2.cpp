// The recurrence and direct kernels with 4 lanes of AVX2 with FMA. This file is
// compiled for AVX2 and called only where the processor has it. Everything in
// it but the entry points has internal linkage, so that no copy of an inline
// function built for AVX2 can stand in for the ordinary one elsewhere.
#include <immintrin.h>

#include "spectral/transform/dft_many_x86.h"
#include "spectral/transform/dft_recurrence.h"
#include "spectral/transform/vector_trig.h"

namespace {

struct Avx2 {
    using V = __m256d;
    static constexpr int lanes = 4;
    static V load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, V v) { _mm256_storeu_pd(p, v); }
    static V broadcast(double x) { return _mm256_set1_pd(x); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V fma(V a, V b, V c) { return _mm256_fmadd_pd(a, b, c); }    // a b + c
    static V fms(V a, V b, V c) { return _mm256_fmsub_pd(a, b, c); }    // a b - c
    static V fnma(V a, V b, V c) { return _mm256_fnmadd_pd(a, b, c); }  // c - a b
    static V sin(V x) { return _ZGVdN4v_sin(x); }
    static V cos(V x) { return _ZGVdN4v_cos(x); }
    static V round(V x) { return _mm256_round_pd(x, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V abs(V x) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), x); }
};

}  // namespace

#include "spectral/transform/dft_direct_kernel.h"
#include "spectral/transform/dft_recurrence_kernel.h"
#include "spectral/transform/dft_rounded_phase_kernel.h"

void recurrence_sums_avx2(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im)
{
    recurrence_sums<Avx2>(grid, t, y, n, dt, re, im);
}

void direct_sums_avx2(const double* t, const double* y, int n, const double* f,
                      bool reduce, double* re, double* im, double* partial_re, double* partial_im)
{
    if (reduce)
        direct_sums<Avx2, true>(t, y, n, f, re, im, partial_re, partial_im);
    else
        direct_sums<Avx2, false>(t, y, n, f, re, im, partial_re, partial_im);
}

void rounded_phase_sums_avx2(const RoundedPhaseSeries& series, const double* f,
                             const double* step_re, const double* step_im,
                             RoundedPhaseSums& out)
{
    rounded_phase_sums<Avx2>(series, f, step_re, step_im, out);
}
