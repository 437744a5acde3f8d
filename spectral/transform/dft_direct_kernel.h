// The direct kernel, written once for any vector width, as the recurrence
// kernel is (dft_recurrence_kernel.h): one frequency a lane, every sine and
// cosine evaluated by the maths library's vector functions, each sum added in
// sample order as dft adds it, its roundings kept and added back at the end
// (so the result is the exact sum of the vector path's terms, but for the
// roundings of the roundings), and for the bound, every `chunk` samples, the
// magnitude of each partial sum, added up as chunk length times the mean of
// its magnitudes at the chunk's ends. With reduce, the phases are reduced to
// one turn before the vector sine and cosine (vector_reduction.h), and the
// reduction's low part turns the phasor to first order. Ops as there, with
// abs.
#pragma once

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/vector_reduction.h"

namespace {

// sum += x in sample order, as dft adds, with the addition's rounding error
// (Knuth's two-sum) added up in lost.
template <class O>
inline void add_exactly(typename O::V& sum, typename O::V& lost, typename O::V x)
{
    using V = typename O::V;
    const V one = O::broadcast(1.0);
    const V next = O::add(sum, x);
    const V bv = O::fnma(one, sum, next);
    lost = O::add(lost, O::add(O::fnma(one, O::fnma(one, bv, next), sum), O::fnma(one, bv, x)));
    sum = next;
}

template <class O, bool reduce>
inline void direct_sums(const double* t, const double* y, int n, const double* f, double* re, double* im,
                        double* partial_re, double* partial_im)
{
    constexpr int chunk = dft_constants::partial_sum_chunk;
    using V = typename O::V;
    const V w = O::mul(O::broadcast(two_pi), O::load(f));
    const V dt = O::broadcast(t[1] - t[0]);
    V sum_re = O::broadcast(0.0), sum_im = sum_re, lost_re = sum_re, lost_im = sum_re;
    V over_re = sum_re, over_im = sum_re, before_re = sum_re, before_im = sum_re;
    for (int first = 0; first < n; first += chunk) {
        const int end = first + chunk < n ? first + chunk : n;
        for (int i = first; i < end; ++i) {
            const V phase = O::mul(O::broadcast(t[i]), w);
            V c, s;
            if constexpr (reduce) {
                V r, low;
                reduce_turns<O>(phase, O::broadcast(0.0), r, low);
                const V cr = O::cos(r), sr = O::sin(r);
                c = O::fnma(sr, low, cr);
                s = O::fma(cr, low, sr);
            } else {
                c = O::cos(phase);
                s = O::sin(phase);
            }
            const V yi = O::broadcast(y[i]);
            add_exactly<O>(sum_re, lost_re, O::mul(O::mul(yi, c), dt));
            add_exactly<O>(sum_im, lost_im, O::mul(O::mul(yi, s), dt));
        }
        const V half = O::broadcast(0.5 * (end - first));
        const V after_re = O::abs(sum_re), after_im = O::abs(sum_im);
        over_re = O::fma(half, O::add(before_re, after_re), over_re);
        over_im = O::fma(half, O::add(before_im, after_im), over_im);
        before_re = after_re;
        before_im = after_im;
    }
    O::store(re, O::add(sum_re, lost_re));
    O::store(im, O::add(sum_im, lost_im));
    O::store(partial_re, over_re);
    O::store(partial_im, over_im);
}

}  // namespace
