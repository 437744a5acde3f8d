// The transform at every frequency of a grid at once, by chirp-z transforms
// of the series on a uniform time grid: O((n + count) log) instead of
// O(n count).
#pragma once

#include <complex>
#include <vector>

// Times t[i] = t0 + m[i] h + delta[i] on a uniform grid: m rising from 0,
// delta[i] within delta_error of the exact remainder, at most largest_delta;
// points grid points from m = 0 to the last sample, 0 where the times rise
// on no such grid (or a quarter of it or less holds samples).
struct UniformTimes {
    double t0 = 0.0, h = 0.0;
    std::vector<int> m;
    std::vector<double> delta;
    double largest_delta = 0.0, delta_error = 0.0;
    int points = 0;
};
UniformTimes uniform_times(const double* t, int n);

// Frequencies 2 pi f[k] as dft rounds them, w[k] = omega0 + k omega + eta[k],
// eta[k] within eta_error of the exact distance, at most largest_eta.
struct FrequencyLine {
    std::vector<double> w;
    double omega0 = 0.0, omega = 0.0;
    std::vector<double> eta;
    double largest_eta = 0.0, eta_error = 0.0;
};

// The chirp transform's model of a series and a grid, and whether it fits:
// times that rise on a uniform grid up to small remainders (gaps are grid
// points without a sample), frequencies close to a straight line, every
// number well inside the normal range. The transform takes blocks of
// block_points grid points, each four convolutions by FFTs of fft_points
// points; 0 blocks where the model does not fit.
struct ChirpModel {
    UniformTimes time;
    FrequencyLine frequency;
    int blocks = 0, fft_points = 0, block_points = 0;
    double largest_w = 0.0;
    double largest_phase = 0.0;   // bounds every phase the transform reduces
};
ChirpModel fit_chirp_model(const double* t, const double* y, int n, const double* f, int count);

// dft(t, y, n, f[k]) for every k of the model's grid, with error[k]
// bounding how far either part may lie from it: the chirp transform's own
// error and the scalar loop's distance from the exact sum together. Where
// exact_error is given, exact_error[k] bounds the distance from the exact
// sum, inv_sqrt_two_pi dt sum y e^{i t w} with w = 2 pi f[k] as dft rounds
// it, alone. Returns false, having written nothing, where the model does not
// fit.
bool dft_chirp(const ChirpModel& model, const double* t, const double* y, int n,
               std::complex<double>* result, double* error, double* exact_error = nullptr);
