#include "motion/time_step.h"

#include <cmath>

#include "common/errors.h"

void check_time_step(double step, double end_time)
{
    // A step of at least one unit in the last place of the end time moves
    // every smaller time.
    if (step < std::nextafter(end_time, INFINITY) - end_time)
        die("--step: %g s is too small to advance the time to %g s", step, end_time);
}
