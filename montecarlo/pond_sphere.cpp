// pond_sphere: Monte Carlo area of the unit sphere inscribed in the cube
// [-1, 1)^3 (inside fraction times the cube's area 24, since the volume ratio
// is pi/6); prints it with an error figure and writes the sampled points to
// pond3.dat, inside points, two empty lines, then outside points.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "common/command_line.h"
#include "common/constants.h"
#include "common/errors.h"
#include "common/files.h"
#include "montecarlo/cube.h"

namespace {
const char* output_name = "pond3.dat";
long points = 100000;
long seed = 681111;
int standard_error = 0;
constexpr double cube_area = 24.0;
constexpr double four_pi = 4.0 * pi;
const Options options = {
    {"output", &output_name, "", "sampled points written, inside then outside"},
    {"samples", &points, "", "points of the cube drawn", at_least(1)},
    {"seed", &seed, "", "seed of drand48"},
    {"standard-error", &standard_error, "", "1: also report the estimate's standard error (on stderr)",
     between(0, 1)},
};
constexpr ProgramUsage usage{
    "", "Monte Carlo area of the unit sphere inscribed in the cube [-1, 1)^3 from 100000\n"
        "points (--samples); prints it with an error figure.\n"
        "Reads nothing; writes the points, inside then outside, to pond3.dat (--output)."};

struct Point {
    double x, y, z, r;
};

Point draw_point()
{
    Point p;
    p.x = cube_coordinate();
    p.y = cube_coordinate();
    p.z = cube_coordinate();
    p.r = std::sqrt((p.x * p.x + p.y * p.y) + p.z * p.z);
    return p;
}

// The same seed draws the same points again, so a block is written from a
// fresh pass rather than from stored points: memory stays the same for any
// number of samples.
void write_points(std::ostream& out, bool inside)
{
    srand48(seed);
    for (long i = 0; i < points; ++i) {
        const Point p = draw_point();
        if ((p.r <= 1.0) == inside) {
            out << p.x << " " << p.y << " " << p.z << std::endl;
            check_output(out, output_name);
        }
    }
}
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    std::ofstream out = open_output(output_name);
    srand48(seed);
    double inside = 0.0;
    double total = 0.0;
    for (long i = 0; i < points; ++i) {
        inside += draw_point().r <= 1.0 ? 1.0 : 0.0;
        total += 1.0;
    }
    const double fraction = inside / total;
    const double area = fraction * cube_area;
    // Divided by pi, not 4 pi: four times the relative error.
    const double error = std::fabs(area - four_pi) / pi;
    std::cout << "area of inscribed sphere= ";
    std::cout.precision(9);
    std::cout << area << " , fractional error= " << error << std::endl;
    if (standard_error == 1)
        warn("standard error %g of the estimate %.9g", hit_or_miss_standard_error(fraction, total, cube_area),
             area);

    write_points(out, true);
    out << "\n\n";
    write_points(out, false);
    close_output(out, output_name);
    std::cerr << "data stored in " << output_name << std::endl;
    return 0;
}
