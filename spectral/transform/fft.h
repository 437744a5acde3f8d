// The radix-2 fast Fourier transform of 2^p points, on split complex arrays
// (re[j], im[j], j < size), with a rigorous bound on its error: the cyclic
// convolutions behind the chirp-z transform of a series.
#pragma once

#include <vector>

struct FftPlan {
    int log2_size;
    int size;
    // e^{-2 pi i k / L} at index L / 2 + k, for every span L = 2, 4, ..., size
    // and k < L / 2 (index 0 unused): each span's twiddles contiguous.
    std::vector<double> twiddle_re, twiddle_im;
    double twiddle_error;   // mu: |computed twiddle - exact| <= mu
};

// The plan of 2^log2_size points, 1 <= log2_size <= 24; throws
// std::invalid_argument otherwise.
FftPlan make_fft_plan(int log2_size);

// X_l = sum_j x_j e^{-2 pi i j l / N}, in place: input in natural order,
// output in bit-reversed order (decimation in frequency).
void fft_forward(const FftPlan& plan, double* re, double* im);

// x_j = sum_l X_l e^{+2 pi i j l / N}, unnormalised, in place: input in
// bit-reversed order, output in natural order (decimation in time). After
// fft_forward it gives N x; a pointwise product between the two is a cyclic
// convolution.
void fft_inverse(const FftPlan& plan, double* re, double* im);

// eps_F, rounded upward: || computed - exact ||_2 <= eps_F || exact ||_2 for
// either transform of any input held exactly in doubles.
double fft_error_bound(const FftPlan& plan);
