#include "motion/midpoint.h"

Phase midpoint_step(Phase p, double coefficient, double (*shape)(double), double dt)
{
    Phase next;
    next.x = ((shape(p.x) * coefficient * dt) / 2 + p.v) * dt + p.x;
    next.v = shape(p.v * dt / 2 + p.x) * (coefficient * dt) + p.v;
    return next;
}
