// The vehicle and the Earth flown by rocket and launch_trajectory, their
// options, the forces that act on the vehicle at one instant, and the
// explicit first-order step.
#pragma once

#include <cmath>

#include "common/command_line.h"

// The vehicle as launched by default.
struct Vehicle {
    double thrust = 26051 * 9.81;      // N: the thrust number 26051 times 9.81
    double liftoff_mass = 15592;       // kg
    double propellant_mass = 13326;    // kg, burnt at a constant rate
    double burn_time = 115;            // s
    double radius = 0.66;              // m, of the circular cross-section
    double drag_coefficient = 0.25;
};

// A sphere whose centre lies at (0, -radius).
struct Earth {
    double mass = 5.972e24;    // kg
    double radius = 6371000;   // m
};

namespace flight {
constexpr double gravitational_constant = 6.674e-11;   // m^3 kg^-1 s^-2
}  // namespace flight

struct FlightState {
    double x, y;     // m, y above the launch level
    double vx, vy;   // m/s
};

// What acts on the vehicle, from a time and a state.
struct FlightConditions {
    double mass;            // kg
    double thrust;          // N, along the velocity
    double gravity;         // -G M m
    double drag;            // -A Cd rho / 2, times v^2 gives the drag
    double speed;           // m/s
    double inverse_cube;    // r^-3, r the distance from the Earth's centre
};

// The program's own options followed by those of the vehicle and the Earth.
Options with_flight_options(Options own, Vehicle& vehicle, Earth& earth);

// Dies, touching nothing, when the vehicle would burn more than its own mass.
void check_vehicle(const Vehicle& vehicle);

// Propellant burns at a constant rate until the burn time, then the thrust
// stops and the empty mass stays.
FlightConditions flight_conditions(double t, const FlightState& s, double air_density,
                                   const Vehicle& vehicle, const Earth& earth);

// Velocities move with the given accelerations, positions with the velocity
// from before the step.
FlightState euler_step(const FlightState& s, double ax, double ay, double dt);
