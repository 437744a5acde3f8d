// wander_space: 100 random walks of 1000 unit steps in space, directions
// uniform over the sphere; writes the mean distance per step count to
// walk3d.dat and the full path of one walk to walkpath3d.dat. Optional
// argument: the seed.
#include <cmath>

#include "common/constants.h"
#include "montecarlo/walk.h"

namespace {

// A uniform direction: cos(theta) uniform in [-1, 1), phi uniform in [0, 2 pi).
void unit_step(Position& p, double u1, double u2)
{
    const double t = u1 + u1 - 1.0;
    const double phi = (u2 + u2) * pi;
    const double s = std::sqrt(1.0 - t * t);
    p.x += s * std::cos(phi);
    p.y += s * std::sin(phi);
    p.z += t;
}

constexpr WalkProgram space{"walk3d.dat", "walkpath3d.dat", "0 0.0 0.0 0.0", 3,
                            unit_step, PathRule::every_step_of_recorded_walk,
                            "Mean distance after every step count of 100 random walks (--walks) of 1000 unit\n"
                            "steps (--steps) in space, directions uniform over the sphere; seed replaces the\n"
                            "default seed (--seed).\n"
                            "Reads nothing; writes walk3d.dat and the path of one walk to walkpath3d.dat,\n"
                            "both in the folder --output-dir."};
}  // namespace

int main(int argc, char** argv)
{
    return run_walks(argc, argv, space);
}
