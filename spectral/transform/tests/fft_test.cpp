// The radix-2 transform against the direct sum in long double: both
// directions, the round trip and cyclic convolution within the bound, and the
// twiddles within their error.
#include "spectral/transform/fft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Exact = std::complex<long double>;
using Values = std::vector<Exact>;

// Long double is software arithmetic on some processors, slow under an
// emulator: there the direct sums stop at smaller sizes.
#ifdef SUITE_EMULATED
constexpr int largest_direct_log2_size = 8;
constexpr int largest_sampled_log2_size = 12;
#else
constexpr int largest_direct_log2_size = 12;
constexpr int largest_sampled_log2_size = 16;
#endif
constexpr int sampled_bins = 24;
constexpr long double two_pi_l = 6.283185307179586476925286766559005768L;
constexpr double unit_roundoff = 0x1p-53;

int bit_reversed(int j, int log2_size)
{
    int r = 0;
    for (int b = 0; b < log2_size; ++b, j >>= 1)
        r = (r << 1) | (j & 1);
    return r;
}

// The transform of x (doubles), both sides in natural order: the inverse
// takes x_l as the spectrum's l-th line.
Values transformed(const FftPlan& plan, const Values& x, bool inverse)
{
    std::vector<double> re(plan.size), im(plan.size);
    for (int j = 0; j < plan.size; ++j) {
        const int at = inverse ? bit_reversed(j, plan.log2_size) : j;
        re[at] = static_cast<double>(x[j].real());
        im[at] = static_cast<double>(x[j].imag());
    }
    (inverse ? fft_inverse : fft_forward)(plan, re.data(), im.data());
    Values y(plan.size);
    for (int l = 0; l < plan.size; ++l) {
        const int at = inverse ? l : bit_reversed(l, plan.log2_size);
        y[l] = Exact(re[at], im[at]);
    }
    return y;
}

Values roots(int n, int sign)
{
    Values root(n);
    for (int k = 0; k < n; ++k)
        root[k] = std::polar(1.0L, sign * two_pi_l * k / n);
    return root;
}

// x y, without the library's care for infinities, which the sums do not need.
Exact product(const Exact& x, const Exact& y)
{
    return Exact(x.real() * y.real() - x.imag() * y.imag(),
                 x.real() * y.imag() + x.imag() * y.real());
}

// sum_j x_j root[j l mod n], n a power of 2.
Exact direct_bin(const Values& x, const Values& root, std::size_t l)
{
    Exact sum = 0.0L;
    for (std::size_t j = 0; j < x.size(); ++j)
        sum += product(x[j], root[(j * l) & (x.size() - 1)]);
    return sum;
}

Values direct_dft(const Values& x, int sign)
{
    const Values root = roots(static_cast<int>(x.size()), sign);
    Values y(x.size());
    for (std::size_t l = 0; l < x.size(); ++l)
        y[l] = direct_bin(x, root, l);
    return y;
}

long double norm2(const Values& x)
{
    long double sum = 0.0L;
    for (const Exact& v : x)
        sum += std::norm(v);
    return std::sqrt(sum);
}

double relative_error(const Values& computed, const Values& exact)
{
    Values difference(exact.size());
    for (std::size_t j = 0; j < exact.size(); ++j)
        difference[j] = computed[j] - exact[j];
    return static_cast<double>(norm2(difference) / norm2(exact));
}

Values times(Values x, long double factor)
{
    for (Exact& v : x)
        v *= factor;
    return x;
}

// Parts uniform in [-1, 1), the same on every platform.
Values random_values(int n, std::mt19937_64& rng)
{
    Values x(n);
    for (Exact& v : x) {
        const double re = static_cast<double>(rng() >> 11) * 0x1p-52 - 1.0;
        v = Exact(re, static_cast<double>(rng() >> 11) * 0x1p-52 - 1.0);
    }
    return x;
}

std::string scientific(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", x);
    return text;
}

TEST(Fft, BothDirectionsAndTheRoundTripWithinTheBound)
{
    std::mt19937_64 rng(20240611);
    const std::string inputs[] = {"impulse", "constant", "chirp", "random"};
    for (const std::string& input : inputs) {
        double worst_ratio = 0.0;
        for (int p = 1; p <= largest_direct_log2_size; ++p) {
            SCOPED_TRACE(input + ", 2^" + std::to_string(p) + " points");
            const FftPlan plan = make_fft_plan(p);
            const int n = plan.size;
            const double bound = fft_error_bound(plan);
            Values x = random_values(n, rng);
            for (int j = 0; j < n && input != "random"; ++j) {
                // The chirp e^{i pi j^2 / N}, rounded to doubles.
                const long double chirp = two_pi_l / 2 * (1LL * j * j % (2 * n)) / n;
                x[j] = input == "impulse"    ? Exact(j == 1)
                       : input == "constant" ? Exact(0.75, -0.5)
                                             : Exact(std::complex<double>(std::polar(1.0L, chirp)));
            }
            const Values forward = transformed(plan, x, false);
            const Values inverse = transformed(plan, x, true);
            for (const double error : {relative_error(forward, direct_dft(x, -1)),
                                       relative_error(inverse, direct_dft(x, +1))}) {
                EXPECT_LE(error, bound);
                worst_ratio = std::max(worst_ratio, error / bound);
            }
            // Each transform within eps_F of its exact one: 2 eps_F + eps_F^2 of N x.
            EXPECT_LE(relative_error(transformed(plan, forward, true), times(x, n)),
                      bound * (2.0 + bound));
        }
        RecordProperty("worst_ratio_" + input, scientific(worst_ratio));
    }
}

TEST(Fft, PointwiseProductIsTheCyclicConvolution)
{
    std::mt19937_64 rng(7);
    const double gamma2 = 2.0 * unit_roundoff / (1.0 - 2.0 * unit_roundoff);
    for (int p = 1; p <= largest_direct_log2_size; ++p) {
        SCOPED_TRACE("2^" + std::to_string(p) + " points");
        const FftPlan plan = make_fft_plan(p);
        const int n = plan.size;
        const Values x = random_values(n, rng), y = random_values(n, rng);
        const Values fx = transformed(plan, x, false), fy = transformed(plan, y, false);
        Values pointwise(n), convolution(n);
        for (int l = 0; l < n; ++l)
            pointwise[l] = std::complex<double>(fx[l]) * std::complex<double>(fy[l]);
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                convolution[j] += product(x[k], y[(j - k) & (n - 1)]);
        // The transforms within eps, the products within sqrt 2 gamma_2 and
        // every |X_l| <= sqrt N ||x||: kappa N ||x|| ||y|| bounds the products'
        // error, and the inverse adds its own eps.
        const double eps = fft_error_bound(plan);
        const double kappa =
            eps * (2.0 + eps) + std::sqrt(2.0) * gamma2 * (1.0 + eps) * (1.0 + eps);
        const long double allowed =
            std::sqrt(n) * norm2(x) * norm2(y) * (kappa + eps * (1.0 + kappa)) / norm2(convolution);
        EXPECT_LE(relative_error(times(transformed(plan, pointwise, true), 1.0L / n), convolution),
                  allowed);
    }
}

TEST(Fft, LargeSizesMatchTheDirectSumAtSampledBins)
{
    std::mt19937_64 rng(99);
    for (int p = largest_direct_log2_size + 1; p <= largest_sampled_log2_size; ++p) {
        SCOPED_TRACE("2^" + std::to_string(p) + " points");
        const FftPlan plan = make_fft_plan(p);
        const int n = plan.size;
        const double bound = fft_error_bound(plan);
        const Values x = random_values(n, rng);
        const Values forward = transformed(plan, x, false);
        // No line is further off than the whole error, eps_F sqrt N ||x||.
        const Values root = roots(n, -1);
        const long double allowed = bound * std::sqrt(n) * norm2(x);
        for (int b = 0; b < sampled_bins; ++b) {
            const int l = b < 2 ? b * (n - 1) : static_cast<int>(rng() % n);
            EXPECT_LE(std::abs(forward[l] - direct_bin(x, root, l)), allowed) << "line " << l;
        }
        EXPECT_LE(relative_error(transformed(plan, forward, true), times(x, n)),
                  bound * (2.0 + bound));
    }
}

TEST(Fft, TwiddlesWithinTheirErrorAndExactlyQuarterTurnsApart)
{
    double worst = 0.0;
    for (int p = 1; p <= largest_sampled_log2_size; ++p) {
        const FftPlan plan = make_fft_plan(p);
        const auto& wr = plan.twiddle_re;
        const auto& wi = plan.twiddle_im;
        for (int half = 1; half < plan.size; half *= 2)
            for (int k = 0; k < half; ++k) {
                const Exact exact = std::polar(1.0L, -two_pi_l * k / (2 * half));
                const double error =
                    static_cast<double>(std::abs(Exact(wr[half + k], wi[half + k]) - exact));
                worst = std::max(worst, error);
                ASSERT_LE(error, plan.twiddle_error) << "2^" << p << ", span " << 2 * half << ", k "
                                                     << k;
                // The paired passes take w_{k+L/4} as -i w_k.
                if (k < half / 2) {
                    ASSERT_EQ(wr[half + k + half / 2], wi[half + k]);
                    ASSERT_EQ(wi[half + k + half / 2], -wr[half + k]);
                }
            }
    }
    RecordProperty("worst_twiddle_error", scientific(worst));
}

TEST(Fft, BoundIsTheFormulaRoundedUp)
{
    const double mu = make_fft_plan(1).twiddle_error;
    const long double gamma4 = 4.0L * unit_roundoff / (1.0L - 4.0L * unit_roundoff);
    const long double eta = mu + gamma4 * (std::sqrt(2.0L) + mu);
    for (int p = 1; p <= 24; ++p) {
        const long double exact = p * eta / (1.0L - p * eta);
        const double bound = fft_error_bound(FftPlan{p, 1 << p, {}, {}, mu});
        EXPECT_GE(bound, exact) << p;
        EXPECT_LE(bound, exact * (1.0L + 1e-14L)) << p;
    }
    EXPECT_THROW(make_fft_plan(0), std::invalid_argument);
    EXPECT_THROW(make_fft_plan(25), std::invalid_argument);
}

}  // namespace
