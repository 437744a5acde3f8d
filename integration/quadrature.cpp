// quadrature: integrates the acoustic intensity of a damped, chirped pressure
// pulse from -6 upwards with the trapezoid and Simpson rules at a fixed step,
// for n = 3, 5, ..., 2499 points, and writes "{x,\tT,\tS}," lines to integ.dat
// (all of these are options).
// The rules work in single precision, with the double steps marked below.
#include <climits>
#include <cmath>
#include <fstream>
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"

namespace {

const char* output_name = "integ.dat";

const float r = 1.2f;              // density of the medium
const float c = 343.0f;            // speed of sound
const float a = 20.0f;             // pressure amplitude

// The rules step from the lower limit by w, not from the limits: the upper
// limit enters only through its end-point term, so a line with n points is
// the integral up to about lower + (n - 1) w. The whole interval needs
// (upper - lower) / w + 1 points: 2593 by default, beyond the last line.
float w = 1.0f / 216.0f;           // integration step
float lower_limit = -6.0f;
float upper_limit = 6.0f;
int last_points = 2500;            // loop bound; the last n written is 2499

constexpr int first_points = 3;
constexpr int later_precision = 9;
const Options options = {
    {"step", &w, "", "step of both rules, from --from on", positive},
    {"from", &lower_limit, "", "lower limit, the first point"},
    {"to", &upper_limit, "", "upper limit, only in the end-point terms"},
    // The bound keeps n + 2 within int.
    {"points", &last_points, "", "largest number of points, n = 3, 5, ... up to it",
     between(first_points, INT_MAX - 1)},
    {"output", &output_name, "", "running integrals written, one line per n"},
};
constexpr ProgramUsage usage{
    "", "Trapezoid and Simpson integrals of the intensity of a damped, chirped pressure\n"
        "pulse from -6 (--from) on, at a fixed step (--step), for 3, 5, ..., 2499 points\n"
        "(--points); the upper limit (--to) enters only through its end-point term.\n"
        "Reads nothing; writes integ.dat (--output)."};

// Intensity p^2 / (c r) of the pressure p(x) = a cos(x^3) exp(-(x/4)^8),
// evaluated in double and returned as float.
float f(float x)
{
    const double p3 = std::pow(x, 3.0);
    const double u = std::cos(p3) * a;
    const double v = std::exp(-(std::pow(x / 4.0, 8.0)));
    const double q0 = v * u;
    const double q = q0 * q0;
    return static_cast<float>(q / (c * r));
}

// Trapezoid rule on n points of step w from lower; upper enters only through
// its end-point term.
float trapez(int n, float lower, float upper)
{
    const float h = w;
    float s = 0.0f;
    s = static_cast<float>(h * (0.5 * f(lower)) + s);
    for (int i = 2; i <= n - 1; ++i) {
        const float x = (i - 1) * h + lower;
        s = f(x) * h + s;
    }
    s = static_cast<float>(h * (0.5 * f(upper)) + s);
    return s;
}

// Simpson's rule on n (odd) points of step w from lower, the same way.
float simpson(int n, float lower, float upper)
{
    const float h = w;
    float s = 0.0f;
    for (int i = 2; i < n; i += 2) {
        const float x = (i - 1) * h + lower;
        s = f(x) * 4.0f + s;
    }
    for (int i = 3; i < n; i += 2) {
        const float x = (i - 1) * h + lower;
        s = (f(x) + f(x)) + s;
    }
    s = (f(upper) + f(lower)) + s;
    return static_cast<float>((h / 3.0) * s);
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    std::ofstream out = open_output(output_name);
    // Each line recomputes both rules from scratch.
    for (int n = first_points; n <= last_points; n = n + 2) {
        const float trapezoid = trapez(n, lower_limit, upper_limit);
        const float x = n * w + lower_limit;
        // Only the first x goes out at the default six digits: the precision
        // switch comes after it and stays.
        out << "{" << x << "," << "\t";
        out.precision(later_precision);
        out << trapezoid << "," << "\t";
        const float simpson_result = simpson(n, lower_limit, upper_limit);
        out.precision(later_precision);
        out << simpson_result << "}," << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    std::cout << "data stored in " << output_name << std::endl;
    return 0;
}
