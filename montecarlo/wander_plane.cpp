// wander_plane: 100 random walks of 1000 steps in the plane; writes the mean
// distance per step count to walk2d.dat and the end point of every walk to
// walkpath2d.dat. Optional argument: the seed.
#include <cmath>

#include "common/constants.h"
#include "montecarlo/walk.h"

namespace {

// Each component has its own angle, so the step length lies between 0 and
// sqrt(2) with a mean square of 1.
void two_angle_step(Position& p, double u1, double u2)
{
    p.x += std::cos((u1 + u1) * pi);
    p.y += std::sin((u2 + u2) * pi);
}

constexpr WalkProgram plane{"walk2d.dat", "walkpath2d.dat", "0 0.0 0.0", 2,
                            two_angle_step, PathRule::end_of_every_walk,
                            "Mean distance after every step count of 100 random walks (--walks) of 1000\n"
                            "steps (--steps) in the plane; seed replaces the default seed (--seed).\n"
                            "Reads nothing; writes walk2d.dat and the end point of every walk to\n"
                            "walkpath2d.dat, both in the folder --output-dir."};
}  // namespace

int main(int argc, char** argv)
{
    return run_walks(argc, argv, plane);
}
