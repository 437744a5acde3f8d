// The x86-64 kernels behind dft_many: several frequencies at once, one a
// vector lane, with the maths library's vector sine and cosine. The build
// compiles them for x86-64 only (dft_many_x86.cpp).
#pragma once

#include <complex>

// Lanes of the widest kernel this processor runs: 8 with AVX-512, 4 with AVX2
// and FMA, 1 with neither.
int x86_vector_lanes();

// The transform at the 8 (dft8) or 4 (dft4) frequencies f[0..], each sum
// added in sample order as dft adds it. sum_abs_y_dt bounds the sum of
// |y[i] dt| as the scalar path adds it; error[k] bounds how far either part of
// result[k] may lie from dft(t, y, n, f[k]).
void dft8(const double* t, const double* y, int n, const double* f, double sum_abs_y_dt,
          std::complex<double>* result, double* error);
void dft4(const double* t, const double* y, int n, const double* f, double sum_abs_y_dt,
          std::complex<double>* result, double* error);
