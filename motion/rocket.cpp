// rocket: the first ten seconds of a powered flight launched at 45 degrees
// above a spherical Earth, with gravity, drag in a thin exponential atmosphere
// and thrust along the velocity; explicit first-order steps of 0.1 s.
// Prints the horizontal acceleration at launch and writes t, x, y to
// rocket.txt.
#include <cmath>
#include <fstream>
#include <iostream>

#include "common/files.h"
#include "common/command_line.h"
#include "motion/flight.h"

namespace {
constexpr const char* output_name = "rocket.txt";
constexpr double dt = 0.1;          // s
constexpr double end_time = 10;     // s
constexpr double launch_angle = 45 * M_PI / 180;
constexpr double start_x = 1;       // m
constexpr double start_y = 1;       // m
constexpr double surface_density = 0.0113;    // kg/m^3
constexpr double density_falloff = 0.0346;    // 1/m
constexpr ProgramUsage usage{
    "", "The first ten seconds of a powered rocket flight launched at 45 degrees above a\n"
        "spherical Earth; prints the horizontal acceleration at launch.\n"
        "Reads nothing; writes rocket.txt."};

double air_density(double y)
{
    return surface_density * std::exp(-density_falloff * y);
}

// Gravity towards the Earth's centre, drag against the velocity, thrust along it.
void accelerations(const FlightState& s, const FlightConditions& c, double& ax, double& ay)
{
    using flight::earth_radius;
    ax = (c.gravity * s.x * c.inverse_cube + c.drag * s.vx * c.speed
          + c.thrust * s.vx / c.speed) * (1 / c.mass);
    ay = (c.gravity * (earth_radius + s.y) * c.inverse_cube + c.drag * s.vy * c.speed
          + c.thrust * s.vy / c.speed) * (1 / c.mass);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    const double launch_speed = flight::thrust_number / flight::liftoff_mass;
    FlightState s{start_x, start_y, launch_speed * std::cos(launch_angle),
                  launch_speed * std::sin(launch_angle)};
    // Mass and thrust are re-evaluated after each step with the time at its
    // start, so each step flies with the mass of one step earlier.
    FlightConditions c = flight_conditions(0, s, air_density(s.y));
    double ax, ay;
    accelerations(s, c, ax, ay);
    std::cout << ax << std::endl;

    for (double t = 0; t < end_time; t += dt) {
        accelerations(s, c, ax, ay);
        s = euler_step(s, ax, ay, dt);
        c = flight_conditions(t, s, air_density(s.y));
        out << t << "  " << s.x << "  " << s.y << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
