// The transform at many frequencies at once, each frequency's sum added in
// sample order exactly as dft adds it. dft_many carries phasors across the
// grid (dft_recurrence.cpp); dft_many_direct gives one frequency a vector lane
// and evaluates every sine and cosine with the maths library's vector
// versions, a few units in the last place away from the scalar ones. The
// bound returned with each result covers what either can change. The vector
// kernels are x86-64 code; elsewhere every frequency takes the scalar loop.
#include <algorithm>
#include <cmath>
#include <string>

#include "spectral/transform/dft.h"
#include "spectral/transform/dft_constants.h"
#include "spectral/transform/dft_many_x86.h"
#include "spectral/transform/dft_recurrence.h"

namespace {

// The build adds the vector kernels on x86-64 only; the reference build
// (SUITE_SCALAR_DFT) never calls them.
#if defined(SUITE_X86_64_DFT) && !defined(SUITE_SCALAR_DFT)
constexpr bool vector_kernels = true;
#else
constexpr bool vector_kernels = false;
#endif

using dft_constants::unit_roundoff;
// The direct path reduces phases to one turn up to this magnitude, where a
// whole number of turns is still exact.
constexpr double largest_reduced_phase = 0x1p52;

enum class Path { scalar, avx2, avx512 };

Path choose_path()
{
    if constexpr (vector_kernels) {
        const int lanes = x86_vector_lanes();
        if (lanes == 8)
            return Path::avx512;
        if (lanes == 4)
            return Path::avx2;
    }
    return Path::scalar;
}

Path path = choose_path();

}  // namespace

const char* dft_path_name()
{
    switch (path) {
    case Path::avx512: return "avx512";
    case Path::avx2: return "avx2";
    default: return "scalar";
    }
}

bool use_dft_path(const char* name)
{
    const Path best = choose_path();
    const std::string wanted = name;
    if (wanted == "scalar")
        path = Path::scalar;
    else if (wanted == "avx2" && best != Path::scalar)
        path = Path::avx2;
    else if (wanted == "avx512" && best == Path::avx512)
        path = Path::avx512;
    else
        return false;
    return true;
}

void dft_many_direct(const double* t, const double* y, int n, const double* f, int count,
                     std::complex<double>* result, double* error)
{
    int lanes = path == Path::avx512 ? 8 : path == Path::avx2 ? 4 : 1;
    double sum_abs_y_dt = 0.0, largest_phase = 0.0;
    if (lanes > 1) {
        double sum_abs_y = 0.0, largest_t = 0.0, largest_f = 0.0;
        for (int i = 0; i < n; ++i) {
            sum_abs_y += std::fabs(y[i]);
            largest_t = std::max(largest_t, std::fabs(t[i]));
        }
        for (int k = 0; k < count; ++k)
            largest_f = std::max(largest_f, std::fabs(f[k]));
        sum_abs_y_dt = sum_abs_y * std::fabs(t[1] - t[0]) * (1.0 + n * unit_roundoff * 2.0);
        largest_phase = largest_t * (two_pi * largest_f) * (1.0 + 2.0 * unit_roundoff);
        // Phases beyond the reduction's reach, or nothing finite: the scalar
        // loop.
        if (!(largest_phase <= largest_reduced_phase) || !std::isfinite(sum_abs_y_dt))
            lanes = 1;
    }
    if constexpr (vector_kernels) {
        if (lanes > 1) {
            dft_direct(lanes, t, y, n, f, count, sum_abs_y_dt, largest_phase, result, error);
            return;
        }
    }
    for (int k = 0; k < count; ++k) {
        result[k] = dft(t, y, n, f[k]);
        error[k] = 0.0;
    }
}

void dft_many_rounded_phase(const UniformTimes& times, const double* t, const double* y, int n,
                            const double* f, int count,
                            const std::complex<double>* exact, const double* exact_error,
                            std::complex<double>* result, double* error)
{
    const int lanes = path == Path::avx512 ? 8 : path == Path::avx2 ? 4 : 1;
    if constexpr (vector_kernels) {
        if (lanes > 1) {
            dft_rounded_phase(lanes, times, t, y, n, f, count, exact, exact_error, result, error);
            return;
        }
    }
    for (int k = 0; k < count; ++k) {
        result[k] = exact[k];
        error[k] = INFINITY;
    }
}

void dft_many(const double* t, const double* y, int n, const double* f, int count,
              std::complex<double>* result, double* error)
{
    if constexpr (vector_kernels) {
        const int lanes = path == Path::avx512 ? 8 : path == Path::avx2 ? 4 : 1;
        if (lanes > 1 && dft_many_recurrence(lanes, t, y, n, f, count, result, error))
            return;
    }
    dft_many_direct(t, y, n, f, count, result, error);
}
