// The spectrum's paths at scale, in one run: a series built from a light
// curve (its values repeated --repeat times, at times j / --rate printed to
// ten digits as the sample files hold them, plus --offset) on a grid --steps times finer
// than the one given, computed by the cost model's choice and by the
// recurrence alone, each timed and every printed line compared; then every
// --every-th line by the scalar loop, compared and timed, its time scaled to
// the whole grid as the plain loop's estimate. Prints one row of the table
// and the lines each computation decided.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "spectral/spectrum.h"
#include "spectral/transform/dft.h"

namespace {
const char* input_name = "Crab.dat";
long samples = 148282;
double rate = 30000.0;
long repeat = 1;
double offset = 0.0;
double first_frequency = 1.0;
double frequency_limit = 1000.0;
double frequency_step = 0.1;
long steps = 1;
long every = 97;
const Options options = {
    {"input", &input_name, "", "light curve read: time-value pairs"},
    {"samples", &samples, "", "time-value pairs read", pair_count(2)},
    {"rate", &rate, "per s", "samples per second of the series built", positive},
    {"repeat", &repeat, "", "times the values are repeated", between(1, 100)},
    {"offset", &offset, "s", "added to every time"},
    {"from", &first_frequency, "Hz", "first frequency of the grid"},
    {"to", &frequency_limit, "Hz", "end of the grid, itself left out"},
    {"step", &frequency_step, "Hz", "step of the frequency grid, before --steps", positive},
    {"steps", &steps, "", "the grid's step divided by this", between(1, 100)},
    {"every", &every, "", "lines between those the scalar loop computes", between(1, 1000000)},
};
constexpr ProgramUsage usage{
    "", "Times the spectrum of a series built from a light curve by the cost model's\n"
        "choice, by the recurrence alone and, on every --every-th line, by the scalar\n"
        "loop, and compares every printed line. Reads Crab.dat (--input); writes\n"
        "standard output.",
    nullptr};

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string printed(const Line& l)
{
    std::ostringstream out;
    out << l.frequency << '\t' << l.re << '\t' << l.im << '\t' << l.log_power;
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const Series curve = read_series(input_name, samples, 2);
    Series s;
    const long n = static_cast<long>(curve.y.size()) * repeat;
    for (long j = 0; j < n; ++j) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", j / rate);
        s.t.push_back(offset + std::strtod(text, nullptr));
        s.y.push_back(curve.y[j % curve.y.size()]);
    }
    remove_mean(s.y);
    const FrequencyGrid grid{first_frequency, frequency_limit, frequency_step / steps};
    check_grid(grid);

    auto start = std::chrono::steady_clock::now();
    const std::vector<Line> chosen = exact_spectrum(s, grid, FourthColumn::log_power, true);
    const double chosen_s = seconds_since(start);
    use_first_pass(FirstPass::recurrence);
    start = std::chrono::steady_clock::now();
    const std::vector<Line> recurrence = exact_spectrum(s, grid, FourthColumn::log_power, true);
    const double recurrence_s = seconds_since(start);
    use_first_pass(FirstPass::cost_model);

    long differ = 0, by_tier[5] = {};
    for (size_t k = 0; k < chosen.size(); ++k) {
        differ += printed(chosen[k]) != printed(recurrence[k]);
        ++by_tier[static_cast<int>(chosen[k].tier)];
    }
    // One line at a time by the scalar loop, at the grid's own frequencies.
    const std::string path = dft_path_name();
    use_dft_path("scalar");
    long checked = 0;
    start = std::chrono::steady_clock::now();
    for (size_t k = 0; k < chosen.size(); k += every) {
        const double f = chosen[k].frequency;
        const FrequencyGrid one{f, std::nextafter(f, INFINITY), 1.0};
        differ += printed(exact_spectrum(s, one, FourthColumn::log_power, false)[0]) != printed(chosen[k]);
        ++checked;
    }
    const double plain_s = seconds_since(start) * static_cast<double>(chosen.size()) / checked;
    use_dft_path(path.c_str());

    std::printf("%9ld %7zu %10.3f %12.3f %9.3g %8.1f %8.1f  %s\n", n, chosen.size(), chosen_s,
                recurrence_s, plain_s, plain_s / chosen_s, recurrence_s / chosen_s,
                differ == 0 ? "identical" : "DIFFERS");
    std::printf("# decided by chirp %ld rounded_phase %ld recurrence %ld direct %ld scalar %ld;"
                " %ld lines by the scalar loop\n",
                by_tier[0], by_tier[1], by_tier[2], by_tier[3], by_tier[4], checked);
    return differ == 0 ? 0 : 1;
}
