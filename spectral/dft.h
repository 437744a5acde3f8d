// Direct Fourier transform of one sampled series at one frequency.
#pragma once

#include <complex>

// Continuous Fourier integral of the series (t[i], y[i]), i < n, at frequency f
// (cycles per unit of t), by the direct sum of y e^{+i 2 pi f t} dt, scaled by
// 1/sqrt(2 pi). The step dt is t[1] - t[0]; n must be at least 2.
std::complex<double> dft(const double* t, const double* y, int n, double f);
