// sawtooth_series: partial Fourier sums of a rising sawtooth with 1 to 30
// harmonics against the exact wave on 0 <= t <= 10; writes the RMS error of
// each to rmsaw.txt and the curves for 1, 3, 5 and 30 harmonics.
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "common/constants.h"

namespace {
int max_harmonics = 30;
double time_step = 0.1;
double grid_end = 10.0;
const char* output_dir = ".";
constexpr double a0 = 1.0;            // the series starts from a0 / 2
constexpr double wave_height = 1.0;
constexpr double wave_period = 2.0;
constexpr const char* rms_name = "rmsaw.txt";
// The curves drawn besides the one with every harmonic.
constexpr int drawn_harmonics[] = {1, 3, 5};
const Options options = {
    {"harmonics", &max_harmonics, "", "most harmonics summed; its curve is drawn too", at_least(1)},
    {"step", &time_step, "", "step of the time grid", positive},
    {"end", &grid_end, "", "end of the time grid, which starts at 0; the period is 2", positive},
    {"output-dir", &output_dir, "", "folder the files are written to"},
};
constexpr ProgramUsage usage{
    "", "Fourier partial sums of a sawtooth wave with 1 to 30 harmonics (--harmonics) against\n"
        "the exact wave on 0 <= t <= 10 (--end) in steps of 0.1 (--step), and the RMS error\n"
        "of each.\n"
        "Reads nothing; writes rmsaw.txt, and sawN.txt for N = 1, 3, 5 and the most harmonics:\n"
        "saw1.txt, saw3.txt, saw5.txt and saw30.txt by default."};

struct Curve {
    int harmonics;
    std::string name;
};

// Rises from 0 towards the height over each period, back to 0 at each multiple.
double sawtooth(double t)
{
    const double u = t / wave_period;
    return (u - std::floor(u)) * wave_height;
}

// a0/2 plus harmonics 1 to n of the cosine coefficients a and sine
// coefficients b; harmonic j has angular frequency j pi (period 2).
double partial_sum(const std::vector<double>& a, const std::vector<double>& b, long n, double t)
{
    double s = 0.0;
    for (long j = 1; j <= n; ++j) {
        const double w = j * pi;
        s = (b[j] * std::sin(w * t) + a[j] * std::cos(w * t)) + s;
    }
    return a0 / 2.0 + s;
}

// sawN.txt for N = 1, 3, 5 up to the most harmonics, and for the most.
std::vector<Curve> curves_drawn()
{
    std::vector<Curve> curves;
    for (int n : drawn_harmonics)
        if (n < max_harmonics)
            curves.push_back({n, ""});
    curves.push_back({max_harmonics, ""});
    for (Curve& c : curves)
        c.name = in_folder(output_dir, ("saw" + std::to_string(c.harmonics) + ".txt").c_str());
    return curves;
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    // Every grid time lies within the end, where the spacing of doubles is
    // widest; a step above half of it always moves the time on.
    if (!(time_step > (std::nextafter(grid_end, INFINITY) - grid_end) / 2))
        die("--step: %g is too small to advance the time to %g", time_step, grid_end);
    const std::string rms_path = in_folder(output_dir, rms_name);
    const std::vector<Curve> curves = curves_drawn();
    std::ofstream rms_out = open_output(rms_path.c_str());
    std::vector<std::ofstream> curve_out;
    for (const Curve& c : curves)
        curve_out.push_back(open_output(c.name.c_str()));

    // Counted in long, so that the most harmonics an int holds ends the loop.
    for (long n = 1; n <= max_harmonics; ++n) {
        std::vector<double> a(n + 1, 0.0);
        std::vector<double> b(n + 1, 0.0);
        for (long j = 1; j <= n; ++j)
            b[j] = -1.0 / (j * pi);
        int curve = -1;
        for (size_t c = 0; c < curves.size(); ++c)
            if (curves[c].harmonics == n)
                curve = static_cast<int>(c);

        double squared_error = 0.0;
        // Time accumulated by addition: the points near the jumps at even t
        // then fall just after or just before them, as the curves show.
        for (double t = 0.0; grid_end >= t; t = t + time_step) {
            const double y = sawtooth(t);
            const double s = partial_sum(a, b, n, t);
            if (curve >= 0) {
                curve_out[curve] << t << '\t' << y << '\t' << s << std::endl;
                check_output(curve_out[curve], curves[curve].name.c_str());
            }
            squared_error = (y - s) * (y - s) + squared_error;
        }
        rms_out << n << ' ' << std::sqrt(squared_error * time_step / grid_end) << std::endl;
        check_output(rms_out, rms_path.c_str());
    }
    close_output(rms_out, rms_path.c_str());
    for (size_t c = 0; c < curves.size(); ++c)
        close_output(curve_out[c], curves[c].name.c_str());
    return 0;
}
