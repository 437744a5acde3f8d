// swing_sim: the undamped pendulum released from rest at 1 rad, integrated
// over 50 s with an explicit first-order step and with the midpoint step side
// by side, next to the small-angle closed form. Writes pend.dat.
#include <cmath>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "motion/midpoint.h"

namespace {
constexpr const char* output_name = "pend.dat";
constexpr double g = 9.81;            // m/s^2
constexpr double length = 1;          // m
constexpr double coefficient = -g / length;   // 1/s^2
constexpr double theta0 = 1;          // rad
constexpr double omega0 = 0;          // rad/s
constexpr double dt = 0.001;          // s
constexpr double end_time = 50;       // s
constexpr ProgramUsage usage{
    "", "A pendulum released from rest at 1 rad, stepped over 50 s to first order and with\n"
        "the midpoint step, beside the small-angle closed form.\n"
        "Reads nothing; writes pend.dat."};

double pendulum_shape(double theta)
{
    return std::sin(theta);
}

// Kinetic plus potential energy per unit mass of a pendulum of length 1,
// zero at the bottom.
double energy(Phase p)
{
    return g * (1 - std::cos(p.x)) + 0.5 * p.v * p.v;
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    const double omega_ref = std::sqrt(g / length);
    Phase first{theta0, omega0};
    Phase second{theta0, omega0};
    for (double t = 0; t < end_time; t += dt) {
        first = Phase{first.x + dt * first.v, first.v + dt * coefficient * std::sin(first.x)};
        second = midpoint_step(second, coefficient, pendulum_shape, dt);
        // The closed form at the start of the step, the numerical states at its end.
        out << t << "  " << first.x << "  " << first.v << "  " << energy(first) << ' '
            << second.x << "  " << second.v << ' ' << energy(second) << ' '
            << theta0 * std::cos(omega_ref * t) << "  "
            << omega0 - omega_ref * std::sin(omega_ref * t) << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
