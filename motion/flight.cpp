#include "motion/flight.h"

#include <cmath>

#include "common/constants.h"
#include "common/errors.h"

Options with_flight_options(Options own, Vehicle& v, Earth& e)
{
    own.insert(own.end(), {
        {"thrust", &v.thrust, "N", "thrust along the velocity until burn-out", at_least(0)},
        {"mass", &v.liftoff_mass, "kg", "lift-off mass", positive},
        {"propellant", &v.propellant_mass, "kg", "propellant mass, less than the lift-off mass",
         at_least(0)},
        {"burn-time", &v.burn_time, "s", "time over which the propellant burns", positive},
        {"body-radius", &v.radius, "m", "radius of the vehicle's circular cross-section", at_least(0)},
        {"drag-coefficient", &v.drag_coefficient, "", "drag coefficient", at_least(0)},
        {"earth-mass", &e.mass, "kg", "mass of the Earth", at_least(0)},
        {"earth-radius", &e.radius, "m", "radius of the Earth", positive},
    });
    return own;
}

void check_vehicle(const Vehicle& v)
{
    if (!(v.propellant_mass < v.liftoff_mass))
        die("--propellant: %g kg is not less than the lift-off mass of %g kg", v.propellant_mass,
            v.liftoff_mass);
}

FlightConditions flight_conditions(double t, const FlightState& s, double air_density,
                                   const Vehicle& v, const Earth& e)
{
    FlightConditions c;
    if (t <= v.burn_time) {
        c.mass = v.liftoff_mass - v.propellant_mass * t / v.burn_time;
        c.thrust = v.thrust;
    } else {
        c.mass = v.liftoff_mass - v.propellant_mass;
        c.thrust = 0;
    }
    const double area = pi * v.radius * v.radius;
    c.gravity = -flight::gravitational_constant * e.mass * c.mass;
    c.drag = -0.5 * area * v.drag_coefficient * air_density;
    c.speed = std::sqrt(s.vx * s.vx + s.vy * s.vy);
    const double r = std::sqrt(s.x * s.x + s.y * s.y + e.radius * e.radius + 2 * e.radius * s.y);
    c.inverse_cube = std::pow(r, -3);
    return c;
}

FlightState euler_step(const FlightState& s, double ax, double ay, double dt)
{
    return FlightState{s.x + s.vx * dt, s.y + s.vy * dt, s.vx + ax * dt, s.vy + ay * dt};
}
