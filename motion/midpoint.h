// The second-order Runge-Kutta step in midpoint form for x'' = coefficient *
// shape(x), shared by the oscillator and the pendulum.
#pragma once

struct Phase {
    double x;   // position (or angle)
    double v;   // velocity (or angular velocity)
};

// The half-step state (x + v dt/2, v + a(x) dt/2) gives the slopes of the full
// step. The grouping of each sum is fixed so that the printed digits are
// reproducible.
Phase midpoint_step(Phase p, double coefficient, double (*shape)(double), double dt);
