// Cost of the transform per sample and frequency on each path this processor
// has, on the crab_spectrum grid: the recurrence (dft_many) and the evaluation
// of every sine and cosine (dft_many_direct); on the scalar path both are the
// plain loop. Then the radix-2 transform's round trip, forward and inverse.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

#include "spectral/transform/dft.h"
#include "spectral/transform/fft.h"

namespace {

constexpr int samples = 2048;
constexpr double time_step = 1.0 / 30000.0;
constexpr double first_frequency = 1.0, frequency_limit = 1000.0, frequency_step = 0.1;

using Transform = void (*)(const double*, const double*, int, const double*, int,
                           std::complex<double>*, double*);

void transform(benchmark::State& state, const char* path, Transform method)
{
    if (!use_dft_path(path)) {
        state.SkipWithError("path not available on this processor");
        return;
    }
    std::vector<double> t(samples), y(samples), f;
    for (int i = 0; i < samples; ++i) {
        t[i] = i * time_step;
        y[i] = std::sin(190.0 * t[i]) + 0.1 * std::cos(7.0 * i);
    }
    for (double v = first_frequency; frequency_limit > v; v = v + frequency_step)
        f.push_back(v);
    const int count = static_cast<int>(f.size());
    std::vector<std::complex<double>> x(count);
    std::vector<double> error(count);
    for (auto _ : state) {
        method(t.data(), y.data(), samples, f.data(), count, x.data(), error.data());
        benchmark::DoNotOptimize(x.data());
    }
    state.counters["ns_per_sample_freq"] = benchmark::Counter(
        static_cast<double>(samples) * count * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// fft_forward then fft_inverse of 2^range(0) points, the result scaled back
// by 1/N (exactly) so that the values stay put.
void fft_round_trip(benchmark::State& state)
{
    const FftPlan plan = make_fft_plan(static_cast<int>(state.range(0)));
    std::vector<double> re(plan.size), im(plan.size);
    for (int j = 0; j < plan.size; ++j) {
        re[j] = std::sin(0.37 * j);
        im[j] = std::cos(1.3 * j);
    }
    const double scale = 1.0 / plan.size;
    for (auto _ : state) {
        fft_forward(plan, re.data(), im.data());
        fft_inverse(plan, re.data(), im.data());
        for (int j = 0; j < plan.size; ++j) {
            re[j] *= scale;
            im[j] *= scale;
        }
        benchmark::DoNotOptimize(re.data());
    }
}

}  // namespace

BENCHMARK_CAPTURE(transform, scalar, "scalar", dft_many)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx2_direct, "avx2", dft_many_direct)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx512_direct, "avx512", dft_many_direct)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx2_recurrence, "avx2", dft_many)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(transform, avx512_recurrence, "avx512", dft_many)->Unit(benchmark::kMillisecond);
BENCHMARK(fft_round_trip)->Arg(12)->Arg(16)->Arg(19)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
