// The time of every stepper is accumulated by repeated addition of its step.
#pragma once

// Dies, touching nothing, when a step added to a time before the end could
// leave that time unchanged: the run would never reach the end.
void check_time_step(double step, double end_time);
