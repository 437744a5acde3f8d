// The rounded-phase kernel, written once for any vector width as the other
// kernels are: one frequency a lane, the scalar loop's own rounded phase
// p = fl(t w) of every term and its exact remainder r = t w - p (by the fused
// multiply-add), a cheap phasor e ~ e^{i p}, and per lane the sums the bound
// needs: sum y r e (the first-order effect of the phase rounding), sum |y r|,
// the largest |r|, and, every `chunk` samples, the magnitude of the running
// sum of y e, added up as chunk length times the mean of its magnitudes at
// the chunk's ends. Ops as there, with round (to nearest).
#pragma once

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/dft_many_x86.h"
#include "spectral/transform/double_double.h"

namespace {

// The cheap phasor: p less its nearest whole turns, an eighth of it by
// Taylor polynomials to x^6 and x^7, squared three times. On |p| up to
// rounded_phase_largest_phase each part lies within rounded_phase_error of
// e^{i p} (dft_rounded_phase.cpp).
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
inline void rounded_phase_sums(const double* t, const double* y, int n, const double* f, int chunk,
                               RoundedPhaseSums& out)
{
    using V = typename O::V;
    const V w = O::mul(O::broadcast(two_pi), O::load(f));
    const V zero = O::broadcast(0.0);
    V q_re = zero, q_im = zero, s_re = zero, s_im = zero;
    V abs_yr = zero, largest_r = zero, checkpoints = zero, before = zero;
    for (int first = 0; first < n; first += chunk) {
        const int end = first + chunk < n ? first + chunk : n;
        for (int i = first; i < end; ++i) {
            const V ti = O::broadcast(t[i]);
            const V p = O::mul(ti, w);
            const V r = O::fms(ti, w, p);
            V c, s;
            cheap_phasor<O>(p, c, s);
            const V yi = O::broadcast(y[i]);
            const V yr = O::mul(yi, r);
            q_re = O::fma(yr, c, q_re);
            q_im = O::fma(yr, s, q_im);
            s_re = O::fma(yi, c, s_re);
            s_im = O::fma(yi, s, s_im);
            abs_yr = O::add(abs_yr, O::abs(yr));
            largest_r = O::max(largest_r, O::abs(r));
        }
        const V after = O::add(O::abs(s_re), O::abs(s_im));
        checkpoints = O::fma(O::broadcast(0.5 * (end - first)), O::add(before, after), checkpoints);
        before = after;
    }
    O::store(out.q_re, q_re);
    O::store(out.q_im, q_im);
    O::store(out.abs_yr, abs_yr);
    O::store(out.largest_r, largest_r);
    O::store(out.checkpoints, checkpoints);
}

}  // namespace
