// Cost per sample of the transform on each path this processor has.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

#include "spectral/dft.h"

namespace {

constexpr int samples = 20000;
constexpr int frequencies = 64;

void transform(benchmark::State& state, const char* path)
{
    if (!use_dft_path(path)) {
        state.SkipWithError("path not available on this processor");
        return;
    }
    std::vector<double> t(samples), y(samples), f(frequencies), error(frequencies);
    std::vector<std::complex<double>> x(frequencies);
    for (int i = 0; i < samples; ++i) {
        t[i] = i / 30000.0;
        y[i] = std::sin(190.0 * t[i]) + 0.1 * std::cos(7.0 * i);
    }
    for (int k = 0; k < frequencies; ++k)
        f[k] = 1.0 + 0.1 * k;
    for (auto _ : state) {
        dft_many(t.data(), y.data(), samples, f.data(), frequencies, x.data(), error.data());
        benchmark::DoNotOptimize(x.data());
    }
    state.counters["ns_per_sample"] = benchmark::Counter(
        static_cast<double>(samples) * frequencies * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(transform, scalar, "scalar")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx2, "avx2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx512, "avx512")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
