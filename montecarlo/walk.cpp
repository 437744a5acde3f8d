#include "montecarlo/walk.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <vector>

#include "common/files.h"
#include "common/command_line.h"

namespace {
constexpr int default_seed = 94180717;
constexpr int steps = 1000;
// The walk count is a double: it divides the sums as it is.
constexpr double walks = 100.0;

double distance(const Position& p, int dimensions)
{
    if (dimensions == 3)
        return std::sqrt((p.x * p.x + p.y * p.y) + p.z * p.z);
    return std::sqrt(p.x * p.x + p.y * p.y);
}

void write_position(std::ostream& out, const char* name, int number, const Position& p,
                    int dimensions)
{
    out << number << " " << p.x << " " << p.y;
    if (dimensions == 3)
        out << " " << p.z;
    out << std::endl;
    check_output(out, name);
}
}  // namespace

int run_walks(int argc, char** argv, const WalkProgram& program)
{
    handle_options(argc, argv, ProgramUsage{"[seed]", program.about});
    int seed = default_seed;
    if (argc > 1) {
        seed = std::atoi(argv[1]);
        std::cerr << "Using user seed= " << seed << std::endl;
    } else {
        std::cerr << "Using default seed= " << seed << std::endl;
    }
    std::ofstream distance_out = open_output(program.distance_file);
    std::ofstream path_out = open_output(program.path_file);
    path_out << program.path_start << std::endl;
    check_output(path_out, program.path_file);

    srand48(static_cast<long>(seed));
    // The recorded walk, 0..99: walk 0 does not exist, walk 100 is never taken.
    const int recorded = static_cast<int>(drand48() * walks);
    std::vector<double> sum(steps + 1, 0.0);
    for (int j = 1; j <= static_cast<int>(walks); ++j) {
        Position p;
        for (int i = 1; i <= steps; ++i) {
            const double u1 = drand48();
            const double u2 = drand48();
            program.step(p, u1, u2);
            sum[i] += distance(p, program.dimensions);
            if (program.path_rule == PathRule::every_step_of_recorded_walk && j == recorded)
                write_position(path_out, program.path_file, i, p, program.dimensions);
        }
        if (program.path_rule == PathRule::end_of_every_walk)
            write_position(path_out, program.path_file, j, p, program.dimensions);
    }

    // The error column is the mean over the square root of the walk count.
    for (int i = 0; i <= steps; ++i) {
        distance_out << i << "  " << sum[i] / walks << "  "
                     << ((std::sqrt(walks) / walks) * sum[i]) / walks << std::endl;
        check_output(distance_out, program.distance_file);
    }
    close_output(path_out, program.path_file);
    close_output(distance_out, program.distance_file);

    std::cerr << "data stored in " << program.distance_file << std::endl;
    std::cerr << "path #" << recorded << " stored in " << program.path_file << std::endl;
    return 0;
}
