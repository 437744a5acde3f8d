// The radix-2 transform: the twiddles with their proven error, the butterflies
// two stages to a pass, and the error bound of the whole.
//
// The bound. Every butterfly is the radix-2 one, one complex multiplication
// by a stored twiddle and one complex addition or subtraction per output, so
// Higham's analysis (Accuracy and Stability of Numerical Algorithms, 2nd ed.,
// Theorem 24.2) gives || computed - exact ||_2 <= eps_F || exact ||_2 with
// eps_F = p eta / (1 - p eta), eta = mu + gamma_4 (sqrt 2 + mu), p = log2 N,
// gamma_k = k u / (1 - k u), u = 2^-53, mu the twiddles' error. It holds for
// decimation in frequency as in time: each stage A, of norm sqrt 2, gives A x
// within eta ||A|| ||x||, as each pair of outputs takes one product by a
// twiddle and each output one addition. It assumes round-to-nearest doubles,
// no overflow and no result below the normal range. The build contracts
// nothing (-ffp-contract=off); were a complex product's real part a fused
// multiply-add, it would round once instead of twice, so gamma_2 per part,
// hence gamma_4 in eta, would still bound it.
//
// The twiddles. The phase 2 pi r / (8N) within its octant, at most pi/4, is
// h + l in double-double: 2 pi as two doubles (their sum within 6e-33 of it),
// the products exact by fma. cos h and sin h come from the maths library,
// assumed within 2 ulp (glibc documents about 1), so within 2u as both lie
// below 1 (h = 0 is taken exactly). The first-order turn by l, cos h - sin(h) l
// and sin h + cos(h) l, is one fma each and drops at most l^2 / 2. Each part
// is then within u (the fma) + 2u (the library, carried through the turn) +
// l^2 / 2 + the rounding of l itself (those two below 1e-31); mu is sqrt 2
// times that. Every bound is evaluated rounding upward.
#include "spectral/transform/fft.h"

#include <cmath>
#include <stdexcept>

#include "common/constants.h"
#include "spectral/transform/double_double.h"

namespace {

constexpr int largest_log2_size = 24;
// Blocks of up to this many points (with their twiddles) stay in the
// first-level cache.
constexpr int cache_block = 1024;

constexpr double unit_roundoff = 0x1p-53;
// 2 pi = two_pi + two_pi_tail, within two_pi_tail_error.
constexpr double two_pi_tail = double_double::two_pi_mid;
constexpr double two_pi_tail_error = 6e-33;
// The maths library's sine and cosine, within 2 ulp, for results below 1.
constexpr double library_trig_error = 2.0 * unit_roundoff;
// Above the largest phase h of an octant, pi/4.
constexpr double largest_octant_phase = 0.7854;

// The double above x: a bound on the exact value x was rounded to nearest.
double up(double x)
{
    return std::nextafter(x, INFINITY);
}

double gamma_bound(int k)
{
    return up(k * unit_roundoff / (1.0 - k * unit_roundoff));
}

// Bound on the error of either part of an octant's cosine and sine.
double octant_trig_error()
{
    // |l|: the rounding error of two_pi r / (8N), at most u h, plus two_pi_tail
    // r / (8N), rounded once.
    const double l = up(up(up(unit_roundoff * largest_octant_phase) + two_pi_tail / 8.0) *
                        (1.0 + unit_roundoff));
    const double phase_error = up(up(unit_roundoff * l) + two_pi_tail_error / 8.0);
    const double one_plus_l = up(1.0 + l);
    const double turn_rounding = up(unit_roundoff * one_plus_l);
    const double library = up(library_trig_error * one_plus_l);
    const double dropped = up(up(l * l) / 2.0);
    return up(up(up(turn_rounding + library) + dropped) + phase_error);
}

// cos and sin of 2 pi r / (8 size), 0 <= r <= size (at most pi/4); scale is
// 1 / (8 size).
void octant_cos_sin(int r, double scale, double& c, double& s)
{
    if (r == 0) {
        c = 1.0;
        s = 0.0;
        return;
    }
    const double turns = r;
    const double product = two_pi * turns;
    const double h = product * scale;
    const double l = std::fma(two_pi_tail, turns, std::fma(two_pi, turns, -product)) * scale;
    const double cos_h = std::cos(h), sin_h = std::sin(h);
    c = std::fma(-sin_h, l, cos_h);
    s = std::fma(cos_h, l, sin_h);
}

// e^{-2 pi i j / 2^log2_size}, j < 2^log2_size / 2, from the cosine and sine
// of its offset in its octant.
void twiddle(int j, int log2_size, double& re, double& im)
{
    const int size = 1 << log2_size;
    const long long eighths = 8LL * j;   // octant * size + r
    const int octant = static_cast<int>(eighths >> log2_size);
    const int r = static_cast<int>(eighths & (size - 1));
    double c, s;
    octant_cos_sin(octant % 2 == 1 ? size - r : r, std::ldexp(1.0, -(log2_size + 3)), c, s);
    switch (octant) {
    case 0: re = c; im = -s; break;    // the phase itself
    case 1: re = s; im = -c; break;    // pi/2 less it
    case 2: re = -s; im = -c; break;   // pi/2 plus it
    default: re = -c; im = -s; break;  // pi less it
    }
}

// The butterflies of one stage of span L (decimation in frequency), x the
// first half of a block and y the second: x_k, y_k become their sum and w_k
// times their difference.
void forward_butterflies(double* __restrict xr, double* __restrict xi, double* __restrict yr,
                         double* __restrict yi, int half, const double* __restrict wr,
                         const double* __restrict wi)
{
    for (int k = 0; k < half; ++k) {
        const double dr = xr[k] - yr[k], di = xi[k] - yi[k];
        xr[k] = xr[k] + yr[k];
        xi[k] = xi[k] + yi[k];
        yr[k] = dr * wr[k] - di * wi[k];
        yi[k] = dr * wi[k] + di * wr[k];
    }
}

// The butterflies of the stages of span L and L/2 (decimation in frequency)
// on count points of each quarter a, b, c, d of a block, step apart: (a, c)
// and (b, d) with w, the twiddles of span L, then (a, b) and (c, d) with v,
// those of span L/2; twiddle_step 0 takes the first twiddle for every point.
// The twiddle of (b, d), w_{k+L/4}, is -i w_k, exactly so in the plan.
template <int step, int twiddle_step>
void forward_butterflies4(double* __restrict ar, double* __restrict ai, double* __restrict br,
                          double* __restrict bi, double* __restrict cr, double* __restrict ci,
                          double* __restrict dr, double* __restrict di, int count,
                          const double* __restrict wr, const double* __restrict wi,
                          const double* __restrict vr, const double* __restrict vi)
{
    for (int k = 0; k < count; ++k) {
        const int j = k * step, t = k * twiddle_step;
        const double sar = ar[j] + cr[j], sai = ai[j] + ci[j];
        const double sbr = br[j] + dr[j], sbi = bi[j] + di[j];
        const double dar = ar[j] - cr[j], dai = ai[j] - ci[j];
        const double dbr = br[j] - dr[j], dbi = bi[j] - di[j];
        const double tar = dar * wr[t] - dai * wi[t], tai = dar * wi[t] + dai * wr[t];
        const double tbr = dbr * wi[t] + dbi * wr[t], tbi = dbi * wi[t] - dbr * wr[t];
        const double er = sar - sbr, ei = sai - sbi, fr = tar - tbr, fi = tai - tbi;
        ar[j] = sar + sbr;
        ai[j] = sai + sbi;
        br[j] = er * vr[t] - ei * vi[t];
        bi[j] = er * vi[t] + ei * vr[t];
        cr[j] = tar + tbr;
        ci[j] = tai + tbi;
        dr[j] = fr * vr[t] - fi * vi[t];
        di[j] = fr * vi[t] + fi * vr[t];
    }
}

// The butterflies of one stage of span L (decimation in time): x_k, y_k
// become x_k plus and minus conj(w_k) y_k.
void inverse_butterflies(double* __restrict xr, double* __restrict xi, double* __restrict yr,
                         double* __restrict yi, int half, const double* __restrict wr,
                         const double* __restrict wi)
{
    for (int k = 0; k < half; ++k) {
        const double tr = yr[k] * wr[k] + yi[k] * wi[k], ti = yi[k] * wr[k] - yr[k] * wi[k];
        yr[k] = xr[k] - tr;
        yi[k] = xi[k] - ti;
        xr[k] = xr[k] + tr;
        xi[k] = xi[k] + ti;
    }
}

// The butterflies of the stages of span L/2 and L (decimation in time), laid
// out as forward_butterflies4's: (a, b) and (c, d) with v, the twiddles of
// span L/2, then (a, c) and (b, d) with w, those of span L (w_{k+L/4} =
// -i w_k).
template <int step, int twiddle_step>
void inverse_butterflies4(double* __restrict ar, double* __restrict ai, double* __restrict br,
                          double* __restrict bi, double* __restrict cr, double* __restrict ci,
                          double* __restrict dr, double* __restrict di, int count,
                          const double* __restrict wr, const double* __restrict wi,
                          const double* __restrict vr, const double* __restrict vi)
{
    for (int k = 0; k < count; ++k) {
        const int j = k * step, t = k * twiddle_step;
        const double ubr = br[j] * vr[t] + bi[j] * vi[t], ubi = bi[j] * vr[t] - br[j] * vi[t];
        const double udr = dr[j] * vr[t] + di[j] * vi[t], udi = di[j] * vr[t] - dr[j] * vi[t];
        const double sar = ar[j] + ubr, sai = ai[j] + ubi, sbr = ar[j] - ubr, sbi = ai[j] - ubi;
        const double scr = cr[j] + udr, sci = ci[j] + udi, sdr = cr[j] - udr, sdi = ci[j] - udi;
        const double tcr = scr * wr[t] + sci * wi[t], tci = sci * wr[t] - scr * wi[t];
        const double tdr = sdr * wi[t] - sdi * wr[t], tdi = sdi * wi[t] + sdr * wr[t];
        ar[j] = sar + tcr;
        ai[j] = sai + tci;
        cr[j] = sar - tcr;
        ci[j] = sai - tci;
        br[j] = sbr + tdr;
        bi[j] = sbi + tdi;
        dr[j] = sbr - tdr;
        di[j] = sbi - tdi;
    }
}

// One stage of span L on n points, block by block.
void forward_pass2(const FftPlan& plan, double* re, double* im, int n, int span)
{
    const int half = span / 2;
    for (int b = 0; b < n; b += span)
        forward_butterflies(re + b, im + b, re + b + half, im + b + half, half,
                            plan.twiddle_re.data() + half, plan.twiddle_im.data() + half);
}

void inverse_pass2(const FftPlan& plan, double* re, double* im, int n, int span)
{
    const int half = span / 2;
    for (int b = 0; b < n; b += span)
        inverse_butterflies(re + b, im + b, re + b + half, im + b + half, half,
                            plan.twiddle_re.data() + half, plan.twiddle_im.data() + half);
}

// The stages of span L and L/2 on n points in one pass, block by block.
void forward_pass4(const FftPlan& plan, double* re, double* im, int n, int span)
{
    const int q = span / 4;
    const double* wr = plan.twiddle_re.data();
    const double* wi = plan.twiddle_im.data();
    // Spans 4 and 2: the blocks' points interleaved, one twiddle each.
    if (q == 1) {
        forward_butterflies4<4, 0>(re, im, re + 1, im + 1, re + 2, im + 2, re + 3, im + 3, n / 4,
                                    wr + 2, wi + 2, wr + 1, wi + 1);
        return;
    }
    for (int b = 0; b < n; b += span) {
        double* r = re + b;
        double* i = im + b;
        forward_butterflies4<1, 1>(r, i, r + q, i + q, r + 2 * q, i + 2 * q, r + 3 * q,
                                   i + 3 * q, q, wr + 2 * q, wi + 2 * q, wr + q, wi + q);
    }
}

void inverse_pass4(const FftPlan& plan, double* re, double* im, int n, int span)
{
    const int q = span / 4;
    const double* wr = plan.twiddle_re.data();
    const double* wi = plan.twiddle_im.data();
    // Spans 4 and 2: the blocks' points interleaved, one twiddle each.
    if (q == 1) {
        inverse_butterflies4<4, 0>(re, im, re + 1, im + 1, re + 2, im + 2, re + 3, im + 3, n / 4,
                                    wr + 2, wi + 2, wr + 1, wi + 1);
        return;
    }
    for (int b = 0; b < n; b += span) {
        double* r = re + b;
        double* i = im + b;
        inverse_butterflies4<1, 1>(r, i, r + q, i + q, r + 2 * q, i + 2 * q, r + 3 * q,
                                   i + 3 * q, q, wr + 2 * q, wi + 2 * q, wr + q, wi + q);
    }
}

// The stages of spans n down to 4 (n a power of 4) on a block of n points,
// depth-first: the pass of span n, then each quarter on its own, until a block
// fits the first-level cache, whose passes then run one after the other.
void forward_block(const FftPlan& plan, double* re, double* im, int n)
{
    if (n <= cache_block) {
        for (int span = n; span >= 4; span /= 4)
            forward_pass4(plan, re, im, n, span);
        return;
    }
    forward_pass4(plan, re, im, n, n);
    for (int b = 0; b < n; b += n / 4)
        forward_block(plan, re + b, im + b, n / 4);
}

// The stages of spans 4 up to n, in the reverse order of forward_block.
void inverse_block(const FftPlan& plan, double* re, double* im, int n)
{
    if (n <= cache_block) {
        for (int span = 4; span <= n; span *= 4)
            inverse_pass4(plan, re, im, n, span);
        return;
    }
    for (int b = 0; b < n; b += n / 4)
        inverse_block(plan, re + b, im + b, n / 4);
    inverse_pass4(plan, re, im, n, n);
}

}  // namespace

FftPlan make_fft_plan(int log2_size)
{
    if (log2_size < 1 || log2_size > largest_log2_size)
        throw std::invalid_argument("fft size must be 2^1 to 2^24 points");
    FftPlan plan;
    plan.log2_size = log2_size;
    plan.size = 1 << log2_size;
    const int size = plan.size;
    plan.twiddle_re.assign(size, 0.0);
    plan.twiddle_im.assign(size, 0.0);
    double* wr = plan.twiddle_re.data();
    double* wi = plan.twiddle_im.data();
    for (int j = 0; j < size / 2; ++j)
        twiddle(j, log2_size, wr[size / 2 + j], wi[size / 2 + j]);
    // w_L^k = w_N^{k N / L}: the smaller spans copy the largest one's twiddles.
    for (int half = size / 4, stride = 2; half >= 1; half /= 2, stride *= 2)
        for (int k = 0; k < half; ++k) {
            wr[half + k] = wr[size / 2 + k * stride];
            wi[half + k] = wi[size / 2 + k * stride];
        }
    plan.twiddle_error = up(up(std::sqrt(2.0)) * octant_trig_error());
    return plan;
}

// An odd log2 size leaves the stage of span N to itself, before the paired
// ones on each half (after them, for the inverse).
void fft_forward(const FftPlan& plan, double* re, double* im)
{
    const int n = plan.size;
    if (plan.log2_size % 2 == 0) {
        forward_block(plan, re, im, n);
        return;
    }
    forward_pass2(plan, re, im, n, n);
    if (n > 2) {
        forward_block(plan, re, im, n / 2);
        forward_block(plan, re + n / 2, im + n / 2, n / 2);
    }
}

void fft_inverse(const FftPlan& plan, double* re, double* im)
{
    const int n = plan.size;
    if (plan.log2_size % 2 == 0) {
        inverse_block(plan, re, im, n);
        return;
    }
    if (n > 2) {
        inverse_block(plan, re, im, n / 2);
        inverse_block(plan, re + n / 2, im + n / 2, n / 2);
    }
    inverse_pass2(plan, re, im, n, n);
}

double fft_error_bound(const FftPlan& plan)
{
    const double mu = plan.twiddle_error;
    const double sqrt_two = up(std::sqrt(2.0));
    const double eta = up(mu + up(gamma_bound(4) * up(sqrt_two + mu)));
    const double p_eta = up(plan.log2_size * eta);
    // 1 - p eta rounded down: the double below its rounding.
    const double below_one = std::nextafter(1.0 - p_eta, 0.0);
    return up(p_eta / below_one);
}
