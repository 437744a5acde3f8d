// The constants every path of the transform shares. The phase of each term is
// t * (two_pi * f) and the sums are scaled by inv_sqrt_two_pi on the scalar
// loop and the vector paths alike, so the vector paths can reproduce the
// scalar one's digits; the error bounds rest on the same roundoff and on the
// maths library's documented accuracy.
#pragma once

#include <cfloat>
#include <cmath>

#include "common/constants.h"

namespace dft_constants {

inline constexpr double inv_sqrt_two_pi = 0.3989422804014327;
inline constexpr double unit_roundoff = DBL_EPSILON / 2.0;
// The maths library documents its vector sine and cosine to 4 units in the
// last place and its scalar ones to 1; for results up to 1 in magnitude these
// bounds, twice those, are absolute. The vector one also covers a vector
// result's distance from the scalar one.
inline constexpr double vector_trig_error = 16.0 * unit_roundoff;
inline constexpr double scalar_trig_error = 4.0 * unit_roundoff;
// Beyond this magnitude of the phase the vector sine and cosine reduce their
// arguments lane by lane with the scalar code, slower than the scalar loop.
inline constexpr double vector_trig_fast_phase = 0x1p23;

// Products below the normal range round to a fixed grid, not relatively: one
// term (y c) dt of either path may lose half a quantum in y c, scaled by |dt|,
// and half a quantum in the product by dt. This allows four times that for
// each of the n terms on both paths, the rest for the bound's own products
// below the normal range.
inline double underflow_allowance(int n, double dt)
{
    return 8.0 * n * DBL_TRUE_MIN * std::fmax(std::fabs(dt), 1.0);
}

// gamma_k = k u / (1 - k u), what k relative roundings can make of 1.
inline constexpr double rounding_gamma(double k)
{
    return k * unit_roundoff / (1.0 - k * unit_roundoff);
}

// A sum of n positive terms as added in double, raised to bound the exact
// one.
inline double rounded_up(double sum, double n)
{
    return sum * (1.0 + 2.0 * rounding_gamma(n + 2.0));
}

// One term (y c) dt of the scalar loop against y cos(phase) dt, per unit of
// |y dt|: its cosine and its two products.
inline constexpr double scalar_term_error =
    scalar_trig_error + rounding_gamma(2) * (1.0 + scalar_trig_error);

// The kernels note the magnitude of their partial sums every this many
// samples; within a chunk a partial sum moves by at most the chunk's |y|.
inline constexpr int partial_sum_chunk = 64;

// Over the chunks of y, chunk length times half the chunk's sum of |y|,
// rounded up: the most the partial sums within the chunks add to the sum of
// their magnitudes beyond the mean of those at the chunks' ends.
inline double within_chunks(const double* y, int n)
{
    double sum = 0.0;
    for (int first = 0; first < n; first += partial_sum_chunk) {
        const int end = first + partial_sum_chunk < n ? first + partial_sum_chunk : n;
        double chunk_abs_y = 0.0;
        for (int i = first; i < end; ++i)
            chunk_abs_y += std::fabs(y[i]);
        sum += 0.5 * (end - first) * chunk_abs_y;
    }
    return rounded_up(sum, 2.0 * n);
}

}  // namespace dft_constants
