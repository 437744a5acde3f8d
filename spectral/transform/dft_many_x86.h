// The x86-64 kernels behind dft_many_direct: several frequencies at once, one
// a vector lane, with the maths library's vector sine and cosine. The build
// compiles them for x86-64 only.
#pragma once

#include <complex>

#include "spectral/transform/dft_chirp.h"

// Lanes of the widest kernel this processor runs: 8 with AVX-512, 4 with AVX2
// and FMA, 1 with neither.
int x86_vector_lanes();

// The transform at the frequencies f[0..count-1], 8 (AVX-512) or 4 (AVX2)
// lanes at a time, each sum added in sample order as dft adds it.
// sum_abs_y_dt bounds the sum of |y[i] dt| as the scalar path adds it;
// error[k] bounds how far either part of result[k] may lie from
// dft(t, y, n, f[k]). Phases up to largest_phase in magnitude: beyond 2^23
// they are reduced to one turn before the vector sine and cosine.
void dft_direct(int lanes, const double* t, const double* y, int n, const double* f, int count,
                double sum_abs_y_dt, double largest_phase, std::complex<double>* result,
                double* error);

// Its kernels, one source per instruction set (dft_kernels_*.cpp): per lane
// the two sums and, over chunks of samples, chunk length times the mean of
// the magnitudes of each partial sum at the chunk's ends; with reduce, the
// phases reduced to one turn first.
void direct_sums_avx512(const double* t, const double* y, int n, const double* f, bool reduce,
                        double* re, double* im, double* partial_re, double* partial_im);
void direct_sums_avx2(const double* t, const double* y, int n, const double* f, bool reduce,
                      double* re, double* im, double* partial_re, double* partial_im);

// A series on a uniform grid of times for the rounded-phase kernel: values,
// times and their remainders delta off the grid t0 + m h, and the samples
// that start a run of consecutive grid points with their times t0 + m h.
struct RoundedPhaseSeries {
    const double *t, *y, *delta;
    int n;
    const int* anchor_index;
    const double* anchor_time;
    int anchors;
};

// The scalar loop's results from the exact sums at the frequencies
// f[0..count-1], 8 (AVX-512) or 4 (AVX2) lanes at a time: exact[k] within
// exact_error[k] of inv_sqrt_two_pi dt sum y e^{i t w}, result[k] within
// error[k] of dft(t, y, n, f[k]) (dft_rounded_phase.cpp). error[k] is
// infinite where the times lie on no uniform grid or the phases are too
// large for the kernel's phasor.
void dft_rounded_phase(int lanes, const UniformTimes& times, const double* t, const double* y, int n,
                       const double* f, int count,
                       const std::complex<double>* exact, const double* exact_error,
                       std::complex<double>* result, double* error);

// Its kernels' sums per lane (dft_rounded_phase_kernel.h), with step the
// phasor e^{i h w} of each lane's frequency.
struct RoundedPhaseSums {
    double q_re[8], q_im[8];   // sum y r e
    double checkpoints[8];     // over chunks, length times the mean of |s| at its ends
};
void rounded_phase_sums_avx512(const RoundedPhaseSeries& series, const double* f,
                               const double* step_re, const double* step_im,
                               RoundedPhaseSums& out);
void rounded_phase_sums_avx2(const RoundedPhaseSeries& series, const double* f,
                             const double* step_re, const double* step_im,
                             RoundedPhaseSums& out);
