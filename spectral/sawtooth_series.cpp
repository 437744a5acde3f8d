// sawtooth_series: partial Fourier sums of a rising sawtooth with 1 to 30
// harmonics against the exact wave on 0 <= t <= 10; writes the RMS error of
// each to rmsaw.txt and the curves for 1, 3, 5 and 30 harmonics.
#include <cmath>
#include <fstream>
#include <vector>

#include "common/files.h"
#include "common/command_line.h"

namespace {
constexpr double grid_end = 10.0;
constexpr double time_step = 0.1;
constexpr double a0 = 1.0;            // the series starts from a0 / 2
constexpr double wave_height = 1.0;
constexpr double wave_period = 2.0;
constexpr double pi = 3.141592653589793;
constexpr int max_harmonics = 30;
constexpr const char* rms_name = "rmsaw.txt";

struct Curve {
    int harmonics;
    const char* name;
};
constexpr Curve curves[] = {{1, "saw1.txt"}, {3, "saw3.txt"}, {5, "saw5.txt"}, {30, "saw30.txt"}};
constexpr int curve_count = sizeof curves / sizeof curves[0];
constexpr ProgramUsage usage{
    "", "Fourier partial sums of a sawtooth wave with 1 to 30 harmonics against the exact\n"
        "wave on 0 <= t <= 10, and the RMS error of each.\n"
        "Reads nothing; writes rmsaw.txt, saw1.txt, saw3.txt, saw5.txt and saw30.txt."};

// Rises from 0 towards the height over each period, back to 0 at each multiple.
double sawtooth(double t)
{
    const double u = t / wave_period;
    return (u - std::floor(u)) * wave_height;
}

// a0/2 plus harmonics 1 to n of the cosine coefficients a and sine
// coefficients b; harmonic j has angular frequency j pi (period 2).
double partial_sum(const std::vector<double>& a, const std::vector<double>& b, int n, double t)
{
    double s = 0.0;
    for (int j = 1; j <= n; ++j) {
        const double w = j * pi;
        s = (b[j] * std::sin(w * t) + a[j] * std::cos(w * t)) + s;
    }
    return a0 / 2.0 + s;
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::ofstream rms_out = open_output(rms_name);
    std::ofstream curve_out[curve_count];
    for (int c = 0; c < curve_count; ++c)
        curve_out[c] = open_output(curves[c].name);

    for (int n = 1; n <= max_harmonics; ++n) {
        std::vector<double> a(n + 1, 0.0);
        std::vector<double> b(n + 1, 0.0);
        for (int j = 1; j <= n; ++j)
            b[j] = -1.0 / (j * pi);
        int curve = -1;
        for (int c = 0; c < curve_count; ++c)
            if (curves[c].harmonics == n)
                curve = c;

        double squared_error = 0.0;
        // Time accumulated by addition: the points near the jumps at even t
        // then fall just after or just before them, as the curves show.
        for (double t = 0.0; grid_end >= t; t = t + time_step) {
            const double y = sawtooth(t);
            const double s = partial_sum(a, b, n, t);
            if (curve >= 0) {
                curve_out[curve] << t << '\t' << y << '\t' << s << std::endl;
                check_output(curve_out[curve], curves[curve].name);
            }
            squared_error = (y - s) * (y - s) + squared_error;
        }
        rms_out << n << ' ' << std::sqrt(squared_error * time_step / grid_end) << std::endl;
        check_output(rms_out, rms_name);
    }
    close_output(rms_out, rms_name);
    for (int c = 0; c < curve_count; ++c)
        close_output(curve_out[c], curves[c].name);
    return 0;
}
