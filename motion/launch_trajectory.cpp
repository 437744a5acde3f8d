// launch_trajectory: a whole flight from lift-off to the return to the ground,
// with a pitch programme that turns the thrust from vertical at lift-off to
// horizontal at burn-out; explicit first-order steps of 0.01 s. Writes t, x, y
// to launch_trajectory.txt.
#include <cmath>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "common/constants.h"
#include "motion/flight.h"
#include "motion/time_step.h"

namespace {
const char* output_name = "launch_trajectory.txt";
double dt = 0.01;                  // s
double time_limit = 10000;         // s
double angle_deg = 45;             // above the horizontal
double start_speed = 5;            // m/s
double start_x = 0;                // m
double start_y = 0;                // m
double sea_level_density = 1.33;   // kg/m^3
double scale_height = 8300;        // m
Vehicle vehicle;
Earth earth;
const Options options = with_flight_options(
    {
        {"output", &output_name, "", "path written: time, x, y per step"},
        {"step", &dt, "s", "time step", positive},
        {"duration", &time_limit, "s", "longest flight time followed; the ground ends it sooner",
         positive},
        {"angle", &angle_deg, "deg", "angle of the start velocity above the horizontal"},
        {"speed", &start_speed, "m/s", "start speed", positive},
        {"x", &start_x, "m", "horizontal start position"},
        {"y", &start_y, "m", "start height above the ground"},
        {"density", &sea_level_density, "kg/m^3", "air density at the ground", at_least(0)},
        {"scale-height", &scale_height, "m", "height over which the air density falls by e",
         positive},
    },
    vehicle, earth);
constexpr double right_angle = pi / 2;
constexpr ProgramUsage usage{
    "", "A rocket flight with a pitch programme from lift-off to the return to the ground.\n"
        "Reads nothing; writes launch_trajectory.txt (--output)."};

// Within each bracket gravity and drag are summed first, the thrust share last.
void accelerations(double t, const FlightState& s, const FlightConditions& c,
                   double& ax, double& ay)
{
    const double pitch = right_angle * t / vehicle.burn_time;
    ax = (c.gravity * s.x * c.inverse_cube + c.drag * s.vx * c.speed
          + std::sin(pitch) * c.thrust * s.vx / c.speed) * (1 / c.mass);
    ay = (c.gravity * (s.y + earth.radius) * c.inverse_cube + c.drag * s.vy * c.speed
          + std::cos(pitch) * c.thrust * s.vy / c.speed) * (1 / c.mass);
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    check_time_step(dt, time_limit);
    check_vehicle(vehicle);
    std::ofstream out = open_output(output_name);
    out.precision(5);

    const double start_angle = angle_deg * pi / 180;
    FlightState s{start_x, start_y, start_speed * std::cos(start_angle),
                  start_speed * std::sin(start_angle)};
    double limit = time_limit;
    // t is accumulated, so the step printed as 115 starts a hair past burn-out.
    for (double t = 0; limit > t; t += dt) {
        const FlightConditions c = flight_conditions(
            t, s, sea_level_density / std::exp(s.y / scale_height), vehicle, earth);
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
