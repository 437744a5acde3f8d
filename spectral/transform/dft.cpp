#include "spectral/transform/dft.h"

#include <cmath>

#include "spectral/transform/dft_constants.h"

using dft_constants::inv_sqrt_two_pi;

std::complex<double> dft(const double* t, const double* y, int n, double f)
{
    const double w = two_pi * f;
    const double dt = t[1] - t[0];
    double re = 0.0, im = 0.0;
    for (int i = 0; i < n; ++i) {
        const double phase = t[i] * w;
        // (value times the unit complex number) times the step, part by part.
        re += (y[i] * std::cos(phase)) * dt;
        im += (y[i] * std::sin(phase)) * dt;
    }
    return {inv_sqrt_two_pi * re, inv_sqrt_two_pi * im};
}
