// Direct Fourier transform of one sampled series at one frequency.
#pragma once

#include <complex>

#include "spectral/transform/dft_chirp.h"

// Continuous Fourier integral of the series (t[i], y[i]), i < n, at frequency f
// (cycles per unit of t), by the direct sum of y e^{+i 2 pi f t} dt, scaled by
// 1/sqrt(2 pi). The step dt is t[1] - t[0]; n must be at least 2.
std::complex<double> dft(const double* t, const double* y, int n, double f);

// The transform at count frequencies f[0..count-1], the fastest way this
// processor has (chosen at run time): with AVX-512 or AVX2, phasors carried
// across the grid by complex multiplication for every sample, each sum still
// added in sample order as dft adds it. error[k] bounds how far either part of
// result[k] may lie from dft(t, y, n, f[k]); it is 0 where the scalar routine
// itself was used.
void dft_many(const double* t, const double* y, int n, const double* f, int count,
              std::complex<double>* result, double* error);

// The same with every sine and cosine evaluated, several frequencies at once
// by the maths library's vector functions: slower, with a much smaller bound.
void dft_many_direct(const double* t, const double* y, int n, const double* f, int count,
                     std::complex<double>* result, double* error);

// The same from the exact sums: exact[k] within exact_error[k] of
// inv_sqrt_two_pi dt sum y e^{i t w}, w = 2 pi f[k] as dft rounds it (the
// chirp transform's, whose grid of times the pass takes). One vector pass
// over the samples for several frequencies turns them to the scalar loop's
// rounded phases. error[k] is
// infinite where this processor has no vector path or the phases are too
// large.
void dft_many_rounded_phase(const UniformTimes& times, const double* t, const double* y, int n,
                            const double* f, int count,
                            const std::complex<double>* exact, const double* exact_error,
                            std::complex<double>* result, double* error);

// The path dft_many and dft_many_direct take on this processor: "avx512",
// "avx2" or "scalar".
const char* dft_path_name();

// Makes both take the named path ("scalar", "avx2", "avx512") for the
// rest of the run, for tests and benchmarks; false if this processor has not
// got it.
bool use_dft_path(const char* name);
