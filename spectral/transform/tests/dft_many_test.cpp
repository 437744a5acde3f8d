// The fast paths of the transform against the scalar reference: the
// recurrence (dft_many), the evaluation of every sine and cosine
// (dft_many_direct) and the spectrum lines decided from them, on every vector
// path this processor has.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <complex>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "common/constants.h"
#include "spectral/transform/dft.h"
#include "spectral/transform/dft_chirp.h"
#include "spectral/transform/exact_spectrum.h"

namespace {

struct Case {
    const char* name;
    int n;
    double t0, dt;
    std::function<double(int, double)> value;   // of index and time
    double unit = 1.0;   // of time: the times multiplied by it, the grid's frequencies divided
    int decimals = -1;   // where not -1, the times as a file printed to that many decimals holds them
    bool gaps = false;   // every third run of 400 samples left out
};

// The amplitude whose peak line has, on the scalar loop, exactly the
// programs' start value of its log power (crab_spectrum's -100).
constexpr double tone_at_start = 9.9936768266653762e-51;
constexpr double start_log_power = -100.0;

// A fixed linear congruential sequence in [-0.5, 0.5).
double noise(int i)
{
    unsigned state = 12345u + 2654435761u * static_cast<unsigned>(i);
    state = state * 1103515245u + 12345u;
    return (state >> 8) / 16777216.0 - 0.5;
}

const Case cases[] = {
    {"noise", 3001, 0.0, 1e-3, [](int i, double) { return noise(i); }},
    {"tone on a grid frequency", 3001, 0.0, 1e-3, [](int, double t) { return std::sin(two_pi * 47.3 * t); }},
    {"large times", 3001, 5.0e4, 7e-3, [](int i, double) { return std::cos(0.37 * i) + 3.0; }},
    {"times of 1e9 s", 600, 1.0e9, 1e-3, [](int i, double) { return noise(i); }},
    {"an epoch of 5e9 s", 800, 5.0e9, 1e-3, [](int i, double t) { return noise(i) + std::sin(two_pi * 47.3 * t); }},
    {"constant", 3001, 0.0, 1e-3, [](int, double) { return 2.5; }},
    {"random signs", 2999, 0.25, 1e-3, [](int i, double) { return noise(i) < 0.0 ? -1.0 : 1.0; }},
    {"tiny values", 3001, 0.0, 1e-3, [](int i, double) { return 1e-290 * noise(i); }},
    {"values below the normal range", 3001, 0.0, 1e-3, [](int i, double) { return 1e-315 * noise(i); }},
    {"huge values", 3001, 0.0, 1e-3, [](int i, double) { return 1e290 * noise(i); }},
    {"seven samples", 7, 0.0, 0.01, [](int i, double) { return 1.0 + noise(i); }},
    {"huge step, products below the normal range", 3001, 0.0, 1e-3,
     [](int i, double) { return 1e-310 * noise(i); }, 0x1p900},
    {"huge step, coefficients below the normal range", 3001, 0.0, 1e-3,
     [](int i, double) { return 1e-321 * noise(i); }, 0x1p900},
    {"tiny span, squares below the normal range but the tone's", 3001, 0.0, 1e-3,
     [](int i, double) { return noise(i) + 30.0 * std::sin(two_pi * 47.3e-3 * i); }, 0x1p-503},
    {"decreasing times", 3001, 3.0, -1e-3, [](int i, double) { return noise(i); }},
    {"a peak at the start value", 3001, 0.0, 1e-3,
     [](int, double t) { return tone_at_start * std::sin(two_pi * 47.3 * t); }},
    // The chirp transform's model: times near a uniform grid, gaps, offsets.
    {"times printed to nine decimals", 4001, 0.0, 1.0 / 30000.0,
     [](int i, double t) { return 100.0 + 10.0 * noise(i) + 40.0 * std::cos(two_pi * 30.2 * t); }, 1.0, 9},
    {"gaps in the series", 4001, 0.0, 1e-3, [](int i, double) { return noise(i); }, 1.0, 9, true},
    {"an offset of 1e4", 3001, 1.0e4, 1e-3, [](int i, double) { return noise(i); }, 1.0, 6},
    {"times off any grid", 3001, 0.0, 1e-3, [](int i, double) { return noise(i); }, 1.0, -2},
    {"one spike", 3001, 0.0, 1e-3, [](int i, double) { return i == 1234 ? 1.0 : 0.0; }},
};

Series make_series(const Case& c)
{
    Series s;
    for (int i = 0; i < c.n; ++i) {
        if (c.gaps && (i / 400) % 3 == 1)
            continue;
        double t = (c.t0 + i * c.dt) * c.unit;
        if (c.decimals >= 0) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", c.decimals, t);
            t = std::strtod(text, nullptr);
        } else if (c.decimals == -2) {
            t += 0.3 * c.dt * noise(7 * i);
        }
        s.t.push_back(t);
        s.y.push_back(c.value(i, t));
    }
    return s;
}

// Accumulated as the programs accumulate them; the first crosses eight
// binades, the second starts at 0 and has an odd step, the third crosses 0.
const FrequencyGrid grids[] = {{0.3, 100.0, 0.1}, {0.0, 400.0, 0.7}, {-50.05, 50.0, 0.1}};

// The grid in the case's unit of time.
FrequencyGrid in_unit(FrequencyGrid grid, const Case& c)
{
    return {grid.first / c.unit, grid.limit / c.unit, grid.step / c.unit};
}

std::vector<double> grid_frequencies(FrequencyGrid grid)
{
    std::vector<double> f;
    for (double v = grid.first; grid.limit > v; v = v + grid.step)
        f.push_back(v);
    return f;
}

std::vector<const char*> vector_paths()
{
    std::vector<const char*> paths;
    for (const char* p : {"avx2", "avx512"})
        if (use_dft_path(p))
            paths.push_back(p);
    use_dft_path("scalar");
    return paths;
}

using Transform = void (*)(const double*, const double*, int, const double*, int,
                           std::complex<double>*, double*);

TEST(DftMany, EveryResultLiesWithinItsBound)
{
    // The chirp transform where its model fits, the scalar loop elsewhere.
    const Transform chirp = [](const double* t, const double* y, int n, const double* f, int count,
                               std::complex<double>* x, double* error) {
        if (!dft_chirp(fit_chirp_model(t, y, n, f, count), t, y, n, x, error))
            for (int k = 0; k < count; ++k) {
                x[k] = dft(t, y, n, f[k]);
                error[k] = 0.0;
            }
    };
    // The chirp transform turned to the scalar loop's rounded phases.
    const Transform rounded_phase = [](const double* t, const double* y, int n, const double* f,
                                       int count, std::complex<double>* x, double* error) {
        std::vector<std::complex<double>> exact(count);
        std::vector<double> exact_error(count), chirp_error(count);
        const ChirpModel model = fit_chirp_model(t, y, n, f, count);
        if (dft_chirp(model, t, y, n, exact.data(), chirp_error.data(), exact_error.data()))
            dft_many_rounded_phase(model.time, t, y, n, f, count, exact.data(), exact_error.data(), x,
                                   error);
        else
            for (int k = 0; k < count; ++k) {
                x[k] = dft(t, y, n, f[k]);
                error[k] = 0.0;
            }
    };
    const std::pair<const char*, Transform> methods[] = {{"recurrence", dft_many},
                                                         {"direct", dft_many_direct},
                                                         {"chirp", chirp},
                                                         {"rounded phase", rounded_phase}};
    for (const Case& c : cases) {
        const Series s = make_series(c);
        const int n = static_cast<int>(s.t.size());
        std::vector<std::vector<double>> lists;
        for (const FrequencyGrid& grid : grids)
            lists.push_back(grid_frequencies(in_unit(grid, c)));
        lists.emplace_back();   // unequally spaced: no two steps alike
        for (int k = 0; k < 60; ++k)
            lists.back().push_back(0.37 * k * k / c.unit);
        for (const std::vector<double>& f : lists) {
            const int count = static_cast<int>(f.size());
            std::vector<std::complex<double>> exact(count), x(count);
            for (int k = 0; k < count; ++k)
                exact[k] = dft(s.t.data(), s.y.data(), n, f[k]);
            for (const char* path : vector_paths())
                for (const auto& [method, transform] : methods) {
                    ASSERT_TRUE(use_dft_path(path));
                    std::vector<double> error(count);
                    transform(s.t.data(), s.y.data(), n, f.data(), count, x.data(), error.data());
                    for (int k = 0; k < count; ++k) {
                        const std::string where = std::string(path) + " " + method + ", " + c.name +
                                                  ", f = " + std::to_string(f[k]);
                        EXPECT_LE(std::fabs(x[k].real() - exact[k].real()), error[k]) << where;
                        EXPECT_LE(std::fabs(x[k].imag() - exact[k].imag()), error[k]) << where;
                    }
                }
        }
    }
    use_dft_path("scalar");
}

// The recurrence's bound stays small beside the sum of |y dt|, or the lines
// would go back to the slow paths without any test noticing.
TEST(DftMany, RecurrenceBoundIsTight)
{
    const Series s = make_series(cases[0]);
    const std::vector<double> f = grid_frequencies(grids[0]);
    const int count = static_cast<int>(f.size());
    double sum_abs_y_dt = 0.0;
    for (double v : s.y)
        sum_abs_y_dt += std::fabs(v) * 1e-3;
    for (const char* path : vector_paths()) {
        ASSERT_TRUE(use_dft_path(path));
        std::vector<std::complex<double>> x(count);
        std::vector<double> error(count);
        dft_many(s.t.data(), s.y.data(), cases[0].n, f.data(), count, x.data(), error.data());
        for (int k = 0; k < count; ++k) {
            EXPECT_GT(error[k], 0.0) << path;
            EXPECT_LT(error[k], 1e-11 * sum_abs_y_dt) << path << " f = " << f[k];
        }
    }
    use_dft_path("scalar");
}

// The series less its mean, as the programs that remove it leave it.
Series centred(Series s)
{
    double sum = 0.0;
    for (double v : s.y)
        sum += v;
    const double mean = sum / static_cast<double>(s.y.size());
    for (double& v : s.y)
        v = v - mean;
    return s;
}

std::string printed(double v)
{
    std::ostringstream out;
    out << v;
    return out.str();
}

// The peak as the programs print it: raised when exceeded, then its frequency
// taken when equal, from the start value.
std::string printed_peak(const std::vector<Line>& lines)
{
    double top = start_log_power, frequency = 30.0;
    for (const Line& l : lines) {
        if (l.log_power > top)
            top = l.log_power;
        if (l.log_power == top)
            frequency = l.frequency;
    }
    return printed(top) + "\t" + printed(frequency);
}

TEST(ExactSpectrum, LinesPrintAsTheScalarLoopsAndKeepItsPeak)
{
    for (const Case& c : cases) {
        const Series s = centred(make_series(c));
        for (const FrequencyGrid& unit_grid : grids) {
            const FrequencyGrid grid = in_unit(unit_grid, c);
            // As crab_spectrum (with its peak) and phone_spectrum (without) print them.
            for (FourthColumn fourth : {FourthColumn::log_power, FourthColumn::amplitude}) {
                const bool peak = fourth == FourthColumn::log_power;
                use_dft_path("scalar");
                const std::vector<Line> reference = exact_spectrum(s, grid, fourth, peak);
                double top = -INFINITY;
                for (const Line& l : reference)
                    top = std::fmax(top, l.log_power);
                for (const char* path : vector_paths()) {
                    ASSERT_TRUE(use_dft_path(path));
                    const std::vector<Line> lines = exact_spectrum(s, grid, fourth, peak);
                    ASSERT_EQ(lines.size(), reference.size()) << path << " " << c.name;
                    if (peak) {
                        EXPECT_EQ(printed_peak(lines), printed_peak(reference))
                            << path << " " << c.name;
                    }
                    for (size_t k = 0; k < lines.size(); ++k) {
                        const Line &l = lines[k], &r = reference[k];
                        const std::string where = std::string(path) + " " + c.name + ", f = " + printed(r.frequency);
                        ASSERT_EQ(l.frequency, r.frequency) << where;
                        EXPECT_LE(std::fabs(l.re - r.re), l.bound) << where;
                        EXPECT_LE(std::fabs(l.im - r.im), l.bound) << where;
                        EXPECT_EQ(printed(l.re), printed(r.re)) << where;
                        EXPECT_EQ(printed(l.im), printed(r.im)) << where;
                        const bool amplitude = fourth == FourthColumn::amplitude;
                        EXPECT_EQ(printed(amplitude ? l.amplitude : l.log_power),
                                  printed(amplitude ? r.amplitude : r.log_power)) << where;
                        // The peak: the largest exactly where the scalar loop has it, below elsewhere.
                        if (peak && r.log_power == top) {
                            EXPECT_EQ(l.log_power, top) << where;
                        } else if (peak && !std::isnan(r.log_power)) {
                            EXPECT_LT(l.log_power, top) << where;
                        }
                    }
                }
            }
        }
    }
    use_dft_path("scalar");
}

// The chirp transform decides nearly every line of a series on a grid of
// times, or every line would go to the slower paths without any test
// noticing; off a grid of times it leaves them to the recurrence.
TEST(ExactSpectrum, TheChirpTransformDecidesTheLinesOfASeriesOnAGridOfTimes)
{
    const struct {
        std::string name;
        double least_chirp_share, most_chirp_share;
    } rows[] = {{"times printed to nine decimals", 0.9, 1.0}, {"gaps in the series", 0.9, 1.0},
                {"times off any grid", 0.0, 0.0}};
    for (const auto& row : rows) {
        const Case& c = *std::find_if(std::begin(cases), std::end(cases),
                                      [&](const Case& c) { return c.name == row.name; });
        const Series s = centred(make_series(c));
        for (const char* path : vector_paths()) {
            ASSERT_TRUE(use_dft_path(path));
            const std::vector<Line> lines = exact_spectrum(s, grids[0], FourthColumn::log_power, true);
            double chirp = 0.0;
            for (const Line& l : lines)
                chirp += l.tier == Tier::chirp || l.tier == Tier::rounded_phase;
            EXPECT_GE(chirp / lines.size(), row.least_chirp_share) << path << " " << c.name;
            EXPECT_LE(chirp / lines.size(), row.most_chirp_share) << path << " " << c.name;
        }
    }
    use_dft_path("scalar");
}

}  // namespace
