// Large phases reduced to one turn in vector code, for the kernels that take
// the vector sine and cosine of them: beyond 2^23 those reduce lane by lane
// in scalar code, slower than the scalar loop. Ops as the kernels' (round,
// fused multiply-adds).
#pragma once

#include "spectral/transform/double_double.h"

namespace {

// theta + rest = q 2 pi + r + low exactly but for the roundings of the low
// parts: theta less q whole turns of 2 pi's first part is exact (Sterbenz),
// the rest, rest less q times 2 pi's second part, is added to it exactly
// (Knuth's two-sum). |r| stays within pi and a few thousandths; low is at
// most half a unit in the last place of r. What is lost is about
// 1e-30 |theta| (reduction_error).
template <class O>
inline void reduce_turns(typename O::V theta, typename O::V rest, typename O::V& r, typename O::V& low)
{
    using V = typename O::V;
    const V one = O::broadcast(1.0);
    const V q = O::round(O::mul(theta, O::broadcast(1.0 / double_double::two_pi_hi)));
    const V turns = O::mul(q, O::broadcast(double_double::two_pi_hi));
    const V turns_rest = O::fms(q, O::broadcast(double_double::two_pi_hi), turns);
    const V high = O::fnma(one, turns, theta);
    const V part = O::fnma(q, O::broadcast(double_double::two_pi_mid), O::fnma(one, turns_rest, rest));
    r = O::add(high, part);
    const V bv = O::fnma(one, high, r);
    low = O::add(O::fnma(one, O::fnma(one, bv, r), high), O::fnma(one, bv, part));
}

inline constexpr double reduction_error = 1e-30;   // of |theta|

}  // namespace
