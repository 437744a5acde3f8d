#include "spectral/transform/dft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/constants.h"

namespace {

constexpr double inv_sqrt_two_pi = 0.3989422804014327;

TEST(Dft, ZeroFrequencySumsTheValuesTimesTheStep)
{
    const std::vector<double> t{0.0, 0.5, 1.0, 1.5};
    const std::vector<double> y{1.0, 2.0, -4.0, 8.0};
    const auto x = dft(t.data(), y.data(), 4, 0.0);
    EXPECT_EQ(x.real(), inv_sqrt_two_pi * (0.5 * 7.0));
    EXPECT_EQ(x.imag(), 0.0);
}

TEST(Dft, SineTermIsPositiveForAPositiveExponent)
{
    constexpr double g = 3.0;
    std::vector<double> t, y;
    for (int i = 0; i < 1000; ++i) {
        t.push_back(i / 1000.0);
        y.push_back(std::sin(two_pi * g * t.back()));
    }
    const auto x = dft(t.data(), y.data(), 1000, g);
    // Half the series length times the step, over sqrt(2 pi).
    EXPECT_NEAR(x.imag(), inv_sqrt_two_pi * 0.5, 1e-9);
    EXPECT_NEAR(x.real(), 0.0, 1e-9);
}

TEST(Dft, NegativeFrequencyGivesTheComplexConjugate)
{
    const std::vector<double> t{0.1, 0.35, 0.6, 0.85, 1.1};
    const std::vector<double> y{0.3, -1.7, 2.5, 0.25, -0.9};
    for (double f : {0.7, 3.3, 41.0}) {
        const auto plus = dft(t.data(), y.data(), 5, f);
        const auto minus = dft(t.data(), y.data(), 5, -f);
        EXPECT_EQ(minus.real(), plus.real()) << f;
        EXPECT_EQ(minus.imag(), -plus.imag()) << f;
    }
}

TEST(Dft, StepIsTakenFromTheFirstTwoTimesOnly)
{
    // The later times are far apart, but every term is weighted by t[1] - t[0].
    const std::vector<double> t{0.0, 0.25, 10.0, 30.0};
    const std::vector<double> y{1.0, 1.0, 1.0, 1.0};
    const auto x = dft(t.data(), y.data(), 4, 0.0);
    EXPECT_EQ(x.real(), inv_sqrt_two_pi * 1.0);
}

}  // namespace
