// The recurrence kernel, written once for any vector width. Included by one
// source file per instruction set, after it has defined its Ops: the vector
// type V, its lane count, and load, store, broadcast, arithmetic, explicit
// fused multiply-adds and the maths library's vector sine and cosine.
//
// For one sample at time t the lanes of a block hold e^{i t h} for the block's
// frequencies h; the next block follows by one complex multiplication with the
// step phasor e^{i t omega}. The chain's frequencies h are exact real numbers,
// anchor w + m omega; the phase dft takes is its own rounded product
// theta = fl(t w). The difference eps = theta - t h = (theta - t w) + t g is
// found with two fused operations (theta - t w is exact), and the phasor is
// turned by it to first order, p (1 + i eps), before the term is formed as dft
// forms it, (y c) dt and (y s) dt, and added in sample order. Anchors and step
// phasors come from the vector sine and cosine of a rounded phase, turned the
// same way onto the exact product t w. Several samples run side by side so that
// their chains of multiplications overlap; their terms still reach each sum
// in sample order.
#pragma once

#include "spectral/transform/dft_recurrence.h"

namespace {

// The phasor e^{i t w} from the sine and cosine of theta = fl(t w), turned by
// the exact remainder t w - theta.
template <class O>
inline void phasor_of_product(typename O::V t, typename O::V w, typename O::V& c, typename O::V& s)
{
    using V = typename O::V;
    const V theta = O::mul(t, w);
    const V rest = O::fms(t, w, theta);
    const V cv = O::cos(theta), sv = O::sin(theta);
    c = O::fnma(sv, rest, cv);
    s = O::fma(cv, rest, sv);
}

// Samples t[0..Q-1], y[0..Q-1] added to every sum, in that order.
template <class O, int Q>
inline void add_samples(const RecurrenceGrid& grid, const double* t, const double* y, double dt,
                        double* re, double* im)
{
    using V = typename O::V;
    constexpr int L = O::lanes;
    V tq[Q], yq[Q];
#pragma GCC unroll 8
    for (int q = 0; q < Q; ++q) {
        tq[q] = O::broadcast(t[q]);
        yq[q] = O::broadcast(y[q]);
    }
    const V dtv = O::broadcast(dt);
    for (int seg = 0; seg < grid.segments; ++seg) {
        // The samples' step phasors, all in one vector call (Q <= L).
        alignas(64) double step_c[L], step_s[L], ts[L];
        for (int q = 0; q < L; ++q)
            ts[q] = q < Q ? t[q] : 0.0;
        V sc, ss;
        phasor_of_product<O>(O::load(ts), O::broadcast(grid.segment_omega[seg]), sc, ss);
        O::store(step_c, sc);
        O::store(step_s, ss);
        V rot_c[Q], rot_s[Q], c[Q], s[Q];
#pragma GCC unroll 8
        for (int q = 0; q < Q; ++q) {
            rot_c[q] = O::broadcast(step_c[q]);
            rot_s[q] = O::broadcast(step_s[q]);
        }
        // Anchor, then up to anchor_every blocks by the recurrence; the
        // vector calls stay out of the inner loop, which keeps its registers.
        const int end = grid.segment_block[seg + 1];
        for (int anchor = grid.segment_block[seg]; anchor < end; anchor += grid.anchor_every) {
#pragma GCC unroll 8
            for (int q = 0; q < Q; ++q)
                phasor_of_product<O>(tq[q], O::load(grid.w + anchor * L), c[q], s[q]);
            const int stop = end - anchor < grid.anchor_every ? end : anchor + grid.anchor_every;
            for (int b = anchor; b < stop; ++b) {
                const V w = O::load(grid.w + b * L);
                const V g = O::load(grid.g + b * L);
                V sum_re = O::load(re + b * L), sum_im = O::load(im + b * L);
#pragma GCC unroll 8
                for (int q = 0; q < Q; ++q) {
                    const V theta = O::mul(tq[q], w);
                    const V eps = O::fma(tq[q], g, O::fnma(tq[q], w, theta));
                    const V cq = O::fnma(s[q], eps, c[q]);
                    const V sq = O::fma(c[q], eps, s[q]);
                    sum_re = O::add(sum_re, O::mul(O::mul(yq[q], cq), dtv));
                    sum_im = O::add(sum_im, O::mul(O::mul(yq[q], sq), dtv));
                    const V next_c = O::fms(c[q], rot_c[q], O::mul(s[q], rot_s[q]));
                    s[q] = O::fma(c[q], rot_s[q], O::mul(s[q], rot_c[q]));
                    c[q] = next_c;
                }
                O::store(re + b * L, sum_re);
                O::store(im + b * L, sum_im);
            }
        }
    }
}

template <class O>
inline void recurrence_sums(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im)
{
    constexpr int interleave = 4;
    int i = 0;
    for (; i + interleave <= n; i += interleave)
        add_samples<O, interleave>(grid, t + i, y + i, dt, re, im);
    for (; i < n; ++i)
        add_samples<O, 1>(grid, t + i, y + i, dt, re, im);
}

}  // namespace
