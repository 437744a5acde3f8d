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
// turned by it to first order, p (1 + i eps), or to third where t w is large
// (times far from 0), before the term is formed as dft
// forms it, (y c) dt and (y s) dt, and added in sample order. Anchors and step
// phasors come from the vector sine and cosine of a rounded phase, turned the
// same way onto the exact product t w. Several samples run side by side so that
// their chains of multiplications overlap; their terms still reach each sum
// in sample order.
#pragma once

#include "spectral/transform/dft_recurrence.h"
#include "spectral/transform/vector_reduction.h"

namespace {

// (c, s) turned by the small angle eps: to first order, or, where eps is
// too large for that, to third, cos eps ~ 1 - eps^2 / 2 and sin eps ~
// eps - eps^3 / 6.
template <class O, int order>
inline void turn(typename O::V& c, typename O::V& s, typename O::V eps)
{
    using V = typename O::V;
    if constexpr (order == 1) {
        const V turned_c = O::fnma(s, eps, c);
        s = O::fma(c, eps, s);
        c = turned_c;
    } else {
        const V e2 = O::mul(eps, eps);
        const V a = O::fnma(O::broadcast(0.5), e2, O::broadcast(1.0));
        const V b = O::mul(eps, O::fnma(O::broadcast(1.0 / 6.0), e2, O::broadcast(1.0)));
        const V turned_c = O::fms(c, a, O::mul(s, b));
        s = O::fma(c, b, O::mul(s, a));
        c = turned_c;
    }
}

// The phasor e^{i t w} from the sine and cosine of theta = fl(t w), turned by
// the exact remainder t w - theta. Where the phases are large (order 3) t w
// is reduced to one turn first (vector_reduction.h), and its low part turns
// the phasor.
template <class O, int order>
inline void phasor_of_product(typename O::V t, typename O::V w, typename O::V& c, typename O::V& s)
{
    using V = typename O::V;
    const V theta = O::mul(t, w);
    const V rest = O::fms(t, w, theta);
    if constexpr (order == 1) {
        c = O::cos(theta);
        s = O::sin(theta);
        turn<O, 1>(c, s, rest);
    } else {
        V r, low_r;
        reduce_turns<O>(theta, rest, r, low_r);
        c = O::cos(r);
        s = O::sin(r);
        turn<O, 1>(c, s, low_r);
    }
}

// Samples t[0..Q-1], y[0..Q-1] added to every sum, in that order.
template <class O, int Q, int order>
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
        phasor_of_product<O, order>(O::load(ts), O::broadcast(grid.segment_omega[seg]), sc, ss);
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
                phasor_of_product<O, order>(tq[q], O::load(grid.w + anchor * L), c[q], s[q]);
            const int stop = end - anchor < grid.anchor_every ? end : anchor + grid.anchor_every;
            for (int b = anchor; b < stop; ++b) {
                const V w = O::load(grid.w + b * L);
                const V g = O::load(grid.g + b * L);
                V sum_re = O::load(re + b * L), sum_im = O::load(im + b * L);
#pragma GCC unroll 8
                for (int q = 0; q < Q; ++q) {
                    const V theta = O::mul(tq[q], w);
                    const V eps = O::fma(tq[q], g, O::fnma(tq[q], w, theta));
                    V cq = c[q], sq = s[q];
                    turn<O, order>(cq, sq, eps);
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

template <class O, int order>
inline void recurrence_sums(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im)
{
    constexpr int interleave = 4;
    int i = 0;
    for (; i + interleave <= n; i += interleave)
        add_samples<O, interleave, order>(grid, t + i, y + i, dt, re, im);
    for (; i < n; ++i)
        add_samples<O, 1, order>(grid, t + i, y + i, dt, re, im);
}

template <class O>
inline void recurrence_sums(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im)
{
    if (grid.turn_order == 3)
        recurrence_sums<O, 3>(grid, t, y, n, dt, re, im);
    else
        recurrence_sums<O, 1>(grid, t, y, n, dt, re, im);
}

}  // namespace
