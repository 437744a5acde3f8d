// The vector paths of the transform against the scalar reference.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <sstream>

#include "spectral/dft.h"
#include "spectral/spectrum.h"

namespace {

struct NamedSeries {
    const char* name;
    Series s;
};

std::vector<NamedSeries> test_series()
{
    std::vector<NamedSeries> all;
    Series noise, tone, late, flat;
    unsigned state = 12345;
    for (int i = 0; i < 3001; ++i) {
        state = state * 1103515245u + 12345u;
        const double t = i * 1e-3;
        noise.t.push_back(t);
        noise.y.push_back((state >> 8) / 16777216.0 - 0.5);
        tone.t.push_back(t);
        tone.y.push_back(std::sin(6.283185307179586 * 47.3 * t));
        late.t.push_back(5.0e4 + i * 7e-3);   // large phases
        late.y.push_back(std::cos(0.37 * i) + 3.0);
        flat.t.push_back(t);
        flat.y.push_back(2.5);
    }
    remove_mean(flat.y);
    all.push_back({"noise", noise});
    all.push_back({"tone", tone});
    all.push_back({"large times", late});
    all.push_back({"constant", flat});
    return all;
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

// The lines the scalar transform alone gives, formatted as the programs do.
std::string scalar_lines(const Series& s, FrequencyGrid grid, FourthColumn fourth, Peak* peak)
{
    use_dft_path("scalar");
    std::ostringstream out;
    write_spectrum(out, s, grid, fourth, peak);
    return out.str();
}

TEST(DftMany, ErrorBoundHoldsOnEveryPath)
{
    std::vector<double> f;
    for (double v = 0.0; v < 400.0; v += 0.7)
        f.push_back(v);
    for (const char* path : vector_paths()) {
        ASSERT_TRUE(use_dft_path(path));
        for (const auto& [name, s] : test_series()) {
            const int n = static_cast<int>(s.t.size());
            std::vector<std::complex<double>> x(f.size());
            std::vector<double> error(f.size());
            dft_many(s.t.data(), s.y.data(), n, f.data(), static_cast<int>(f.size()), x.data(), error.data());
            for (size_t k = 0; k < f.size(); ++k) {
                const auto exact = dft(s.t.data(), s.y.data(), n, f[k]);
                EXPECT_LE(std::fabs(x[k].real() - exact.real()), error[k]) << path << " " << name << " " << f[k];
                EXPECT_LE(std::fabs(x[k].imag() - exact.imag()), error[k]) << path << " " << name << " " << f[k];
            }
        }
    }
    use_dft_path("scalar");
}

TEST(DftMany, PrintedSpectraAreTheScalarOnes)
{
    const FrequencyGrid grids[] = {{1.0, 100.0, 0.1}, {20.0, 350.0, 0.7}};
    for (const char* path : vector_paths()) {
        for (const auto& [name, s] : test_series()) {
            for (const FrequencyGrid& grid : grids) {
                for (FourthColumn fourth : {FourthColumn::log_power, FourthColumn::amplitude}) {
                    Peak reference_peak{-100.0, 30.0}, peak{-100.0, 30.0};
                    const std::string reference = scalar_lines(s, grid, fourth, &reference_peak);
                    ASSERT_TRUE(use_dft_path(path));
                    std::ostringstream out;
                    write_spectrum(out, s, grid, fourth, &peak);
                    EXPECT_EQ(out.str(), reference) << path << " " << name;
                    EXPECT_EQ(peak.log_power, reference_peak.log_power) << path << " " << name;
                    EXPECT_EQ(peak.frequency, reference_peak.frequency) << path << " " << name;
                }
            }
        }
    }
    use_dft_path("scalar");
}

}  // namespace
