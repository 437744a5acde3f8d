// ode_stepper: the undamped harmonic oscillator integrated over 50 s with the
// midpoint step, next to its closed form. Writes ode_stepper.dat.
#include <cmath>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "motion/midpoint.h"
#include "motion/time_step.h"

namespace {
const char* output_name = "ode_stepper.dat";
double spring_constant = 1;   // N/m
double mass = 1;              // kg
double x0 = 1;                // m
double v0 = 0;                // m/s
double dt = 1e-4;             // s
double end_time = 50;         // s
const Options options = {
    {"output", &output_name, "", "solution and closed form written, one line per step"},
    {"step", &dt, "s", "time step", positive},
    {"duration", &end_time, "s", "time integrated", positive},
    {"position", &x0, "m", "start position"},
    {"velocity", &v0, "m/s", "start velocity"},
    {"spring-constant", &spring_constant, "N/m", "spring constant", positive},
    {"mass", &mass, "kg", "mass on the spring", positive},
};
constexpr ProgramUsage usage{
    "", "The undamped harmonic oscillator stepped over 50 s (--duration) with the midpoint\n"
        "step, beside its closed form.\n"
        "Reads nothing; writes ode_stepper.dat (--output)."};

double linear_shape(double x)
{
    return x;
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    check_time_step(dt, end_time);
    std::ofstream out = open_output(output_name);
    out.precision(10);

    const double omega = std::sqrt(spring_constant / mass);
    const double coefficient = -spring_constant / mass;
    Phase p{x0, v0};
    for (double t = 0; t < end_time; t += dt) {
        p = midpoint_step(p, coefficient, linear_shape, dt);
        // The closed form at the start of the step, the numerical state at its end.
        out << t << "  " << p.x << "  " << p.v << "  "
            << x0 * std::cos(omega * t) + v0 / omega * std::sin(omega * t) << "  "
            << v0 * std::cos(omega * t) - x0 * omega * std::sin(omega * t) << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
