// The vehicle and the Earth flown by rocket and launch_trajectory, the forces
// that act on the vehicle at one instant, and the explicit first-order step.
#pragma once

#include <cmath>

namespace flight {
constexpr double area = M_PI * 0.66 * 0.66;       // cross-section, m^2
constexpr double thrust_number = 26051;            // times 9.81 gives the thrust in N
constexpr double thrust_gravity = 9.81;            // m/s^2
constexpr double liftoff_mass = 15592;             // kg
constexpr double propellant_mass = 13326;          // kg
constexpr double burn_time = 115;                  // s
constexpr double drag_coefficient = 0.25;
constexpr double earth_mass = 5.972e24;            // kg
constexpr double gravitational_constant = 6.674e-11;
constexpr double earth_radius = 6371000;           // m; the centre lies at (0, -R)
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

// Propellant burns at a constant rate until the burn time, then the thrust
// stops and the empty mass stays.
FlightConditions flight_conditions(double t, const FlightState& s, double air_density);

// Velocities move with the given accelerations, positions with the velocity
// from before the step.
FlightState euler_step(const FlightState& s, double ax, double ay, double dt);
