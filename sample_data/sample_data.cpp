#include "sample_data/sample_data.h"

#include <cmath>

#include "common/constants.h"
#include "common/errors.h"
#include "common/files.h"

double uniform01(SampleRng& rng)
{
    return (rng() >> 11) * 0x1.0p-53;
}

double gaussian(SampleRng& rng)
{
    // Box-Muller: 1 - u keeps the logarithm finite.
    double u = 1.0 - uniform01(rng), v = uniform01(rng);
    return std::sqrt(-2.0 * std::log(u)) * std::cos(two_pi * v);
}

long poisson(SampleRng& rng, double mean)
{
    if (mean > 60.0) {
        long k = std::lround(mean + std::sqrt(mean) * gaussian(rng));
        return k < 0 ? 0 : k;
    }
    // Knuth's product of uniforms, exact for small means.
    double limit = std::exp(-mean), product = uniform01(rng);
    long k = 0;
    while (product > limit) {
        ++k;
        product *= uniform01(rng);
    }
    return k;
}

std::FILE* create_sample_file(const std::string& dir, const char* name)
{
    const std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        die("cannot create %s:", path.c_str());
    return f;
}

void close_sample_file(std::FILE* f, const std::string& dir, const char* name)
{
    close_output(f, (dir + "/" + name).c_str());
}
