// swing_sim: the undamped pendulum released from rest at 1 rad, integrated
// over 50 s with an explicit first-order step and with the midpoint step side
// by side, next to the small-angle closed form. Writes pend.dat.
#include <cmath>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "motion/midpoint.h"
#include "motion/time_step.h"

namespace {
const char* output_name = "pend.dat";
double g = 9.81;          // m/s^2
double length = 1;        // m
double theta0 = 1;        // rad
double omega0 = 0;        // rad/s
double dt = 0.001;        // s
double end_time = 50;     // s
const Options options = {
    {"output", &output_name, "", "both solutions and the closed form written, one line per step"},
    {"step", &dt, "s", "time step", positive},
    {"duration", &end_time, "s", "time integrated", positive},
    {"angle", &theta0, "rad", "start angle from the vertical"},
    {"angular-velocity", &omega0, "rad/s", "start angular velocity"},
    {"length", &length, "m", "length of the pendulum", positive},
    {"gravity", &g, "m/s^2", "acceleration of gravity", positive},
};
constexpr ProgramUsage usage{
    "", "A pendulum released from rest at 1 rad (--angle), stepped over 50 s (--duration) to\n"
        "first order and with the midpoint step, beside the small-angle closed form.\n"
        "Reads nothing; writes pend.dat (--output)."};

double pendulum_shape(double theta)
{
    return std::sin(theta);
}

// Kinetic plus potential energy per unit mass, zero at the bottom.
double energy(Phase p)
{
    return g * length * (1 - std::cos(p.x)) + 0.5 * length * length * p.v * p.v;
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    check_time_step(dt, end_time);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    const double coefficient = -g / length;   // 1/s^2
    const double omega_ref = std::sqrt(g / length);
    Phase first{theta0, omega0};
    Phase second{theta0, omega0};
    for (double t = 0; t < end_time; t += dt) {
        first = Phase{first.x + dt * first.v, first.v + dt * coefficient * std::sin(first.x)};
        second = midpoint_step(second, coefficient, pendulum_shape, dt);
        // The closed form at the start of the step, the numerical states at its end.
        out << t << "  " << first.x << "  " << first.v << "  " << energy(first) << ' '
            << second.x << "  " << second.v << ' ' << energy(second) << ' '
            << theta0 * std::cos(omega_ref * t) + omega0 / omega_ref * std::sin(omega_ref * t) << "  "
            << omega0 * std::cos(omega_ref * t) - theta0 * omega_ref * std::sin(omega_ref * t)
            << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
