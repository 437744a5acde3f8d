// Phases held as the unevaluated sum of two doubles (about 106 bits), for the
// chirps and phase factors of the chirp transform: their phases reach 1e4 to
// 1e12 radians, and each must come out within a few units in the last place
// of a double after reduction to one turn.
#pragma once

#include <cmath>

namespace double_double {

struct Number {
    double hi, lo;   // |lo| at most half a unit in the last place of hi
};

// a + b exactly (Knuth's two-sum).
inline Number two_sum(double a, double b)
{
    const double s = a + b;
    const double bv = s - a;
    return {s, (a - (s - bv)) + (b - bv)};
}

// a b exactly, by the fused multiply-add.
inline Number two_product(double a, double b)
{
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

inline Number add(Number a, Number b)
{
    const Number s = two_sum(a.hi, b.hi);
    const Number r = two_sum(s.hi, s.lo + (a.lo + b.lo));
    return r;
}

// a times an integer-valued double m (|m| below 2^53).
inline Number times(Number a, double m)
{
    const Number p = two_product(a.hi, m);
    return two_sum(p.hi, p.lo + a.lo * m);
}

// Each operation above leaves at most this relative error on the magnitudes
// of its operands, with a wide margin: 2^-104 for two additions of the low
// parts and the low product.
inline constexpr double relative_error = 0x1p-100;

// 2 pi as three doubles, their sum within 1e-48 of it.
inline constexpr double two_pi_hi = 6.283185307179586232;
inline constexpr double two_pi_mid = 2.4492935982947064e-16;
inline constexpr double two_pi_lo = -5.9895396194366793e-33;

// The phase reduced to (-pi, pi] and more (within a few units of pi), with
// the same sine and cosine; its error, relative_error times (|phase| + 8),
// holds for |phase| below 2^60.
inline Number reduce(Number phase)
{
    const double q = std::nearbyint(phase.hi * (1.0 / two_pi_hi));
    const Number p1 = two_product(q, two_pi_hi);
    const Number p2 = two_product(q, two_pi_mid);
    Number r = two_sum(phase.hi, -p1.hi);
    r = add(r, {phase.lo, -p1.lo});
    r = add(r, {-p2.hi, -p2.lo - q * two_pi_lo});
    return r;
}

// cos and sin of a reduced phase, to first order in its low part: each part
// lies within phasor_error of the true one, with the maths library's scalar
// sine and cosine within 2 units in the last place (the library documents 1).
inline void phasor(Number r, double& c, double& s)
{
    const double ch = std::cos(r.hi), sh = std::sin(r.hi);
    c = ch - sh * r.lo;
    s = sh + ch * r.lo;
}

// 2 ulp of each function (at most 2^-52 on values up to 1 in magnitude), the
// product and the sum (2^-53 each, with a margin) and the dropped lo^2 / 2.
inline constexpr double phasor_error = 0x1p-51 + 0x1p-52;

}  // namespace double_double
