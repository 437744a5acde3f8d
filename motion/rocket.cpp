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
#include "common/constants.h"
#include "motion/flight.h"
#include "motion/time_step.h"

namespace {
const char* output_name = "rocket.txt";
double dt = 0.1;                          // s
double end_time = 10;                     // s
double angle_deg = 45;                    // above the horizontal
double launch_speed = 26051.0 / 15592;    // m/s: the thrust number over the lift-off mass
double start_x = 1;                       // m
double start_y = 1;                       // m
double surface_density = 0.0113;          // kg/m^3
double density_falloff = 0.0346;          // 1/m
Vehicle vehicle;
Earth earth;
const Options options = with_flight_options(
    {
        {"output", &output_name, "", "path written: time, x, y per step"},
        {"step", &dt, "s", "time step", positive},
        {"duration", &end_time, "s", "flight time followed", positive},
        {"angle", &angle_deg, "deg", "launch angle above the horizontal"},
        {"speed", &launch_speed, "m/s", "launch speed", positive},
        {"x", &start_x, "m", "horizontal start position"},
        {"y", &start_y, "m", "start height above the launch level"},
        {"density", &surface_density, "kg/m^3", "air density at the launch level", at_least(0)},
        {"falloff", &density_falloff, "1/m", "rate at which the air density falls off with height",
         at_least(0)},
    },
    vehicle, earth);
constexpr ProgramUsage usage{
    "", "The first ten seconds (--duration) of a powered rocket flight launched at 45 degrees\n"
        "(--angle) above a spherical Earth; prints the horizontal acceleration at launch.\n"
        "Reads nothing; writes rocket.txt (--output)."};

double air_density(double y)
{
    return surface_density * std::exp(-density_falloff * y);
}

// Gravity towards the Earth's centre, drag against the velocity, thrust along it.
void accelerations(const FlightState& s, const FlightConditions& c, double& ax, double& ay)
{
    ax = (c.gravity * s.x * c.inverse_cube + c.drag * s.vx * c.speed
          + c.thrust * s.vx / c.speed) * (1 / c.mass);
    ay = (c.gravity * (earth.radius + s.y) * c.inverse_cube + c.drag * s.vy * c.speed
          + c.thrust * s.vy / c.speed) * (1 / c.mass);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    check_time_step(dt, end_time);
    check_vehicle(vehicle);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    const double launch_angle = angle_deg * pi / 180;
    FlightState s{start_x, start_y, launch_speed * std::cos(launch_angle),
                  launch_speed * std::sin(launch_angle)};
    // Mass and thrust are re-evaluated after each step with the time at its
    // start, so each step flies with the mass of one step earlier.
    FlightConditions c = flight_conditions(0, s, air_density(s.y), vehicle, earth);
    double ax, ay;
    accelerations(s, c, ax, ay);
    std::cout << ax << std::endl;

    for (double t = 0; t < end_time; t += dt) {
        accelerations(s, c, ax, ay);
        s = euler_step(s, ax, ay, dt);
        c = flight_conditions(t, s, air_density(s.y), vehicle, earth);
        out << t << "  " << s.x << "  " << s.y << std::endl;
        check_output(out, output_name);
    }
    close_output(out, output_name);
    return 0;
}
