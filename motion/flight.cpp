#include "motion/flight.h"

#include <cmath>

using namespace flight;

FlightConditions flight_conditions(double t, const FlightState& s, double air_density)
{
    FlightConditions c;
    if (t <= burn_time) {
        c.mass = liftoff_mass - propellant_mass * t / burn_time;
        c.thrust = thrust_number * thrust_gravity;
    } else {
        c.mass = liftoff_mass - propellant_mass;
        c.thrust = 0;
    }
    c.gravity = -gravitational_constant * earth_mass * c.mass;
    c.drag = -0.5 * area * drag_coefficient * air_density;
    c.speed = std::sqrt(s.vx * s.vx + s.vy * s.vy);
    const double r = std::sqrt(s.x * s.x + s.y * s.y + earth_radius * earth_radius
                               + 2 * earth_radius * s.y);
    c.inverse_cube = std::pow(r, -3);
    return c;
}

FlightState euler_step(const FlightState& s, double ax, double ay, double dt)
{
    return FlightState{s.x + s.vx * dt, s.y + s.vy * dt, s.vx + ax * dt, s.vy + ay * dt};
}
