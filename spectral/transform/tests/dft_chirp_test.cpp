// The chirp transform against exact sums: its double-double phases, the
// time grid it finds, and its bound on the distance from the exact sum,
// which the rounded-phase pass builds on.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/constants.h"
#include "spectral/transform/dft_chirp.h"
#include "spectral/transform/dft_constants.h"
#include "spectral/transform/double_double.h"

namespace {

namespace dd = double_double;

// The phasor of a double-double phase in long double, from its own reduction
// by a long-double multiple of 2 pi: within about 1e-18 where |phase| is
// below 1e12.
void reference_phasor(dd::Number phase, long double& c, long double& s)
{
    const long double two_pi_long = 6.283185307179586476925286766559005768L;
    const long double p = static_cast<long double>(phase.hi) + phase.lo;
    const long double turns = std::nearbyint(p / two_pi_long);
    const long double r = (static_cast<long double>(phase.hi) - turns * two_pi_long) + phase.lo;
    c = std::cos(r);
    s = std::sin(r);
}

TEST(DoubleDouble, ReducedPhasesGiveThePhasorWithinItsBound)
{
    // q whole turns and r: the phasor is r's, whatever the turns.
    const struct {
        double turns, r;
    } phases[] = {{0.0, 0.0}, {0.0, 1e-300}, {0.0, 3.0}, {0.0, -3.1}, {1.0, 0.0},
                  {-1.0, 2.5}, {1591.0, 0.7}, {-19649.0, -1.9}, {0x1p30, 3.1}, {0x1p38 + 3.0, -0.4}};
    for (const auto& p : phases) {
        const dd::Number phase =
            dd::add(dd::times({dd::two_pi_hi, dd::two_pi_mid}, p.turns), {p.r, 0.0});
        double c, s;
        dd::phasor(dd::reduce(phase), c, s);
        // The phase's own construction and 2 pi's third part, on top.
        const double bound = dd::phasor_error + dd::relative_error * (std::fabs(phase.hi) + 8.0) +
                             std::fabs(p.turns) * 1e-32 + 1e-18;
        EXPECT_LE(std::fabs(c - std::cos(static_cast<long double>(p.r))), bound) << p.turns;
        EXPECT_LE(std::fabs(s - std::sin(static_cast<long double>(p.r))), bound) << p.turns;
    }
}

// Lines between those checked against the long-double sum (software
// arithmetic on some processors, slow under an emulator).
#ifdef SUITE_EMULATED
constexpr int line_stride = 1009;
#else
constexpr int line_stride = 101;
#endif

double noise(int i)
{
    unsigned state = 777u + 2654435761u * static_cast<unsigned>(i);
    state = state * 1103515245u + 12345u;
    return (state >> 8) / 16777216.0 - 0.5;
}

struct Case {
    std::string name;
    int n;
    double t0, dt;
    int digits;        // the times as a file printed to that many digits holds them; -1: exact
    bool gaps;         // every third run of 300 samples left out
    double first, limit, step;
};

const Case cases[] = {
    {"crab-like, ten digits", 6001, 0.0, 1.0 / 30000.0, 10, false, 1.0, 1000.0, 0.1},
    {"seven digits: remainders whose squares count", 6001, 0.0, 1.0 / 30000.0, 7, false, 1.0, 1000.0, 0.1},
    {"gaps", 6001, 0.0, 1e-3, 7, true, 0.3, 100.0, 0.1},
    {"an offset of 1e4", 3001, 1.0e4, 1e-3, 12, false, 0.0, 400.0, 0.7},
    {"a radio carrier's grid", 3001, 0.0, 1e-10, 10, false, 4e8, 4e9, 1e6},
    {"a grid crossing 0", 3001, 0.25, 1e-3, -1, false, -50.05, 50.0, 0.1},
};

std::vector<double> times(const Case& c)
{
    std::vector<double> t;
    for (int i = 0; i < c.n; ++i) {
        if (c.gaps && (i / 300) % 3 == 1)
            continue;
        double v = c.t0 + i * c.dt;
        if (c.digits >= 0) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*g", c.digits, v);
            v = std::strtod(text, nullptr);
        }
        t.push_back(v);
    }
    return t;
}

TEST(DftChirp, FindsTheTimeGridAndStaysWithinItsBoundOfTheExactSum)
{
    for (const Case& c : cases) {
        const std::vector<double> t = times(c);
        const int n = static_cast<int>(t.size());
        std::vector<double> y(n), f;
        for (int i = 0; i < n; ++i)
            y[i] = noise(i) + 0.3 * std::cos(0.01 * i);
        for (double v = c.first; c.limit > v; v = v + c.step)
            f.push_back(v);
        const int count = static_cast<int>(f.size());

        const UniformTimes grid = uniform_times(t.data(), n);
        ASSERT_GT(grid.points, 0) << c.name;
        for (int i = 0; i < n; ++i)
            ASSERT_LE(std::fabs(grid.delta[i]), grid.largest_delta) << c.name;
        EXPECT_EQ(grid.points - 1, grid.m[n - 1]) << c.name;

        std::vector<std::complex<double>> x(count);
        std::vector<double> error(count), exact_error(count);
        ASSERT_TRUE(dft_chirp(fit_chirp_model(t.data(), y.data(), n, f.data(), count), t.data(), y.data(),
                              n, x.data(), error.data(), exact_error.data()))
            << c.name;
        const double dt = t[1] - t[0];
        double sum_abs_y = 0.0;
        for (double v : y)
            sum_abs_y += std::fabs(v);
        for (int k = 0; k < count; k += line_stride) {
            const double w = two_pi * f[k];
            long double re = 0.0, im = 0.0;
            for (int i = 0; i < n; ++i) {
                long double pc, ps;
                reference_phasor(dd::two_product(t[i], w), pc, ps);
                re += y[i] * pc;
                im += y[i] * ps;
            }
            const long double scale = dft_constants::inv_sqrt_two_pi * static_cast<long double>(dt);
            // The reference's own error: about 1e-18 a term.
            const double slack = 1e-17 * sum_abs_y * std::fabs(dt);
            const std::string where = c.name + ", f = " + std::to_string(f[k]);
            EXPECT_LE(std::fabs(x[k].real() - re * scale), exact_error[k] + slack) << where;
            EXPECT_LE(std::fabs(x[k].imag() - im * scale), exact_error[k] + slack) << where;
            // Tight enough to decide six digits of most lines: a few 1e-13 of
            // the sum of |y dt| (it was 2.4e-13 on the crab grid).
            EXPECT_LT(exact_error[k], 1e-12 * sum_abs_y * std::fabs(dt)) << where;
            EXPECT_GE(error[k], exact_error[k]) << where;
        }
    }
}

TEST(DftChirp, DeclinesTimesAndGridsOffItsModel)
{
    const int n = 2000;
    std::vector<double> t(n), y(n, 1.0);
    auto fits = [&](std::vector<double> f) {
        std::vector<std::complex<double>> x(f.size());
        std::vector<double> e(f.size());
        const int count = static_cast<int>(f.size());
        return dft_chirp(fit_chirp_model(t.data(), y.data(), n, f.data(), count), t.data(), y.data(), n,
                         x.data(), e.data());
    };
    const std::vector<double> grid = {1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0};
    for (int i = 0; i < n; ++i)
        t[i] = i * 1e-3;
    EXPECT_TRUE(fits(grid));
    EXPECT_FALSE(fits({1.0})) << "one frequency";
    EXPECT_FALSE(fits({1.0, 2.0, 4.0, 8.0, 16.0})) << "frequencies off a straight line";
    t[700] = t[699];
    EXPECT_FALSE(fits(grid)) << "a repeated time";
    t[700] = 0.7003;
    EXPECT_FALSE(fits(grid)) << "a time a third of a step off the grid";
    for (int i = 0; i < n; ++i)
        t[i] = 3.0 - i * 1e-3;
    EXPECT_FALSE(fits(grid)) << "decreasing times";
    for (int i = 0; i < n; ++i)
        t[i] = (i < 1000 ? i : 10 * i) * 1e-3;
    EXPECT_FALSE(fits(grid)) << "a gap of most of the span";
    for (int i = 0; i < n; ++i)
        t[i] = i * 1e-3;
    y[5] = 1e-300;
    EXPECT_FALSE(fits(grid)) << "a value far below the others' range";
}

}  // namespace
