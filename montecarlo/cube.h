// A point coordinate drawn uniformly in [-1, 1), shared by the estimators that
// sample the cube around a unit ball.
#pragma once

#include <cstdlib>

// One draw mapped from [0, 1) to [-1, 1); doubling is exact, so (u - 0.5) * 2
// and d + d give the same value.
inline double cube_coordinate()
{
    return (drand48() - 0.5) * 2;
}
