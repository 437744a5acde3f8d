// launch_trajectory: a whole flight from lift-off to the return to the ground,
// with a pitch programme that turns the thrust from vertical at lift-off to
// horizontal at burn-out; explicit first-order steps of 0.01 s. Writes t, x, y
// to launch_trajectory.txt.
#include <cmath>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "motion/flight.h"

namespace {
constexpr const char* output_name = "launch_trajectory.txt";
constexpr double dt = 0.01;               // s
constexpr double time_limit = 10000;      // s
constexpr double start_speed = 5;         // m/s
constexpr double start_angle = M_PI / 4;  // 45 degrees
constexpr double sea_level_density = 1.33;    // kg/m^3
constexpr double scale_height = 8300;         // m
constexpr double right_angle = M_PI / 2;
constexpr ProgramUsage usage{
    "", "A rocket flight with a pitch programme from lift-off to the return to the ground.\n"
        "Reads nothing; writes launch_trajectory.txt."};

// Within each bracket gravity and drag are summed first, the thrust share last.
void accelerations(double t, const FlightState& s, const FlightConditions& c,
                   double& ax, double& ay)
{
    using flight::burn_time;
    using flight::earth_radius;
    const double pitch = right_angle * t / burn_time;
    ax = (c.gravity * s.x * c.inverse_cube + c.drag * s.vx * c.speed
          + std::sin(pitch) * c.thrust * s.vx / c.speed) * (1 / c.mass);
    ay = (c.gravity * (s.y + earth_radius) * c.inverse_cube + c.drag * s.vy * c.speed
          + std::cos(pitch) * c.thrust * s.vy / c.speed) * (1 / c.mass);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    FlightState s{0, 0, start_speed * std::cos(start_angle), start_speed * std::sin(start_angle)};
    double limit = time_limit;
    // t is accumulated, so the step printed as 115 starts a hair past burn-out.
    for (double t = 0; limit > t; t += dt) {
        const FlightConditions c =
            flight_conditions(t, s, sea_level_density / std::exp(s.y / scale_height));
        double ax, ay;
        accelerations(t, s, c, ax, ay);
        s = euler_step(s, ax, ay, dt);
        // The step that reaches the ground (or a height that is not a number)
        // is the last one written.
        if (!(s.y > 0))
            limit = 0;
        out << t << "  " << s.x << "  " << s.y << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
