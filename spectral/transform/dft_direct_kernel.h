// The direct kernel, written once for any vector width, as the recurrence
// kernel is (dft_recurrence_kernel.h): one frequency a lane, every sine and
// cosine evaluated by the maths library's vector functions, each sum added in
// sample order as dft adds it, and the largest magnitude each partial sum
// reaches kept for the bound. Ops as there, with abs and max.
#pragma once

#include "spectral/transform/dft_constants.h"

namespace {

template <class O>
inline void direct_sums(const double* t, const double* y, int n, const double* f, double* re,
                        double* im, double* max_re, double* max_im)
{
    using V = typename O::V;
    const V w = O::mul(O::broadcast(two_pi), O::load(f));
    const V dt = O::broadcast(t[1] - t[0]);
    V sum_re = O::broadcast(0.0), sum_im = sum_re;
    V top_re = sum_re, top_im = sum_re;
    for (int i = 0; i < n; ++i) {
        const V phase = O::mul(O::broadcast(t[i]), w);
        const V yi = O::broadcast(y[i]);
        sum_re = O::add(sum_re, O::mul(O::mul(yi, O::cos(phase)), dt));
        sum_im = O::add(sum_im, O::mul(O::mul(yi, O::sin(phase)), dt));
        top_re = O::max(top_re, O::abs(sum_re));
        top_im = O::max(top_im, O::abs(sum_im));
    }
    O::store(re, sum_re);
    O::store(im, sum_im);
    O::store(max_re, top_re);
    O::store(max_im, top_im);
}

}  // namespace
