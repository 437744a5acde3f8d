// The maths library's vector sine and cosine (libmvec): 4 lanes for AVX2, 8 for
// AVX-512, each callable only where the processor has its instruction set.
#pragma once

#include <immintrin.h>

extern "C" {
__attribute__((target("avx2,fma"))) __m256d _ZGVdN4v_sin(__m256d);
__attribute__((target("avx2,fma"))) __m256d _ZGVdN4v_cos(__m256d);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_sin(__m512d);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_cos(__m512d);
}
