// A point coordinate drawn uniformly in [-1, 1), shared by the estimators that
// sample the cube around a unit ball.
#pragma once

#include <cmath>
#include <cstdlib>

// One draw mapped from [0, 1) to [-1, 1); doubling is exact, so (u - 0.5) * 2
// and d + d give the same value.
inline double cube_coordinate()
{
    return (drand48() - 0.5) * 2;
}

// The standard error of a hit-or-miss estimate, the fraction of the samples
// that hit times the volume sampled: each sample hits or not, a binomial count.
inline double hit_or_miss_standard_error(double fraction, double samples, double volume)
{
    return volume * std::sqrt(fraction * (1.0 - fraction) / samples);
}
