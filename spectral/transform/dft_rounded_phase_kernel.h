// The rounded-phase kernel, written once for any vector width as the other
// kernels are: one frequency a lane, the exact remainder r = t w - fl(t w)
// of the scalar loop's rounded phase (by the fused multiply-add), a cheap
// phasor e ~ e^{i t w} carried along the uniform grid of the times, and per
// lane the sums the bound needs: sum y r e (the first-order effect of the
// phase rounding) and, every `chunk` samples, the magnitude of the running
// sum of y e, added up as chunk length times the mean of its magnitudes at
// the chunk's ends. Ops as there, with round (to nearest).
#pragma once

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/dft_many_x86.h"
#include "spectral/transform/double_double.h"

namespace {

// The cheap phasor of the runs' starts: p less its nearest whole turns, an
// eighth of it by Taylor polynomials to x^6 and x^7, squared three times
// (its error: dft_rounded_phase.cpp).
template <class O>
inline void cheap_phasor(typename O::V p, typename O::V& c, typename O::V& s)
{
    using V = typename O::V;
    const V turns = O::round(O::mul(p, O::broadcast(1.0 / double_double::two_pi_hi)));
    V x = O::fnma(turns, O::broadcast(double_double::two_pi_hi), p);
    x = O::fnma(turns, O::broadcast(double_double::two_pi_mid), x);
    x = O::mul(x, O::broadcast(0.125));
    const V x2 = O::mul(x, x);
    c = O::fma(x2, O::broadcast(-1.0 / 720.0), O::broadcast(1.0 / 24.0));
    c = O::fma(x2, c, O::broadcast(-0.5));
    c = O::fma(x2, c, O::broadcast(1.0));
    s = O::fma(x2, O::broadcast(-1.0 / 5040.0), O::broadcast(1.0 / 120.0));
    s = O::fma(x2, s, O::broadcast(-1.0 / 6.0));
    s = O::fma(x2, s, O::broadcast(1.0));
    s = O::mul(s, x);
    for (int k = 0; k < 3; ++k) {
        const V c2 = O::fms(c, c, O::mul(s, s));
        s = O::mul(O::add(c, c), s);
        c = c2;
    }
}

template <class O>
inline void rounded_phase_sums(const RoundedPhaseSeries& series, const double* f, const double* step_re,
                               const double* step_im, RoundedPhaseSums& out)
{
    constexpr int chunk = dft_constants::partial_sum_chunk;
    using V = typename O::V;
    const double *t = series.t, *y = series.y, *delta = series.delta;
    const int n = series.n;
    const V w = O::mul(O::broadcast(two_pi), O::load(f));
    const V e_re = O::load(step_re), e_im = O::load(step_im);
    const V zero = O::broadcast(0.0);
    V q_re = zero, q_im = zero, s_re = zero, s_im = zero, checkpoints = zero, before = zero;
    V a_re = zero, a_im = zero;
    int anchor = 0;
    for (int first = 0; first < n; first += chunk) {
        const int end = first + chunk < n ? first + chunk : n;
        for (int i = first; i < end; ++i) {
            // e^{i (t0 + m h) w}: afresh where a run of grid points starts,
            // else the last one turned by a grid step.
            if (anchor < series.anchors && series.anchor_index[anchor] == i) {
                cheap_phasor<O>(O::mul(O::broadcast(series.anchor_time[anchor]), w), a_re, a_im);
                ++anchor;
            } else {
                const V re = O::fms(a_re, e_re, O::mul(a_im, e_im));
                a_im = O::fma(a_re, e_im, O::mul(a_im, e_re));
                a_re = re;
            }
            // times e^{i delta w} to first order
            const V dw = O::mul(O::broadcast(delta[i]), w);
            const V c = O::fnma(a_im, dw, a_re), s = O::fma(a_re, dw, a_im);
            const V ti = O::broadcast(t[i]);
            const V r = O::fms(ti, w, O::mul(ti, w));
            const V yi = O::broadcast(y[i]);
            const V yr = O::mul(yi, r);
            q_re = O::fma(yr, c, q_re);
            q_im = O::fma(yr, s, q_im);
            s_re = O::fma(yi, c, s_re);
            s_im = O::fma(yi, s, s_im);
        }
        const V after = O::add(O::abs(s_re), O::abs(s_im));
        checkpoints = O::fma(O::broadcast(0.5 * (end - first)), O::add(before, after), checkpoints);
        before = after;
    }
    O::store(out.q_re, q_re);
    O::store(out.q_im, q_im);
    O::store(out.checkpoints, checkpoints);
}

}  // namespace
