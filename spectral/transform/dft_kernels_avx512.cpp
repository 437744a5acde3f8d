// The recurrence kernel with 8 lanes of AVX-512. This file is compiled for
// AVX-512 and called only where the processor has it. Everything in it but the
// entry point has internal linkage, so that no copy of an inline function
// built for AVX-512 can stand in for the ordinary one elsewhere.
#include <immintrin.h>

#include "spectral/dft_recurrence.h"

extern "C" {
__m512d _ZGVeN8v_sin(__m512d);
__m512d _ZGVeN8v_cos(__m512d);
}

namespace {

struct Avx512 {
    using V = __m512d;
    static constexpr int lanes = 8;
    static V load(const double* p) { return _mm512_loadu_pd(p); }
    static void store(double* p, V v) { _mm512_storeu_pd(p, v); }
    static V broadcast(double x) { return _mm512_set1_pd(x); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    static V fma(V a, V b, V c) { return _mm512_fmadd_pd(a, b, c); }    // a b + c
    static V fms(V a, V b, V c) { return _mm512_fmsub_pd(a, b, c); }    // a b - c
    static V fnma(V a, V b, V c) { return _mm512_fnmadd_pd(a, b, c); }  // c - a b
    static V sin(V x) { return _ZGVeN8v_sin(x); }
    static V cos(V x) { return _ZGVeN8v_cos(x); }
};

}  // namespace

#include "spectral/dft_recurrence_kernel.h"

void recurrence_sums_avx512(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im)
{
    recurrence_sums<Avx512>(grid, t, y, n, dt, re, im);
}
