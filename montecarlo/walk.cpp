#include "montecarlo/walk.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/errors.h"
#include "common/files.h"

namespace {
constexpr int default_seed = 94180717;
int seed = default_seed;
long steps = 1000;
long walk_count = 100;
const char* output_dir = ".";
const Options options = {
    {"seed", &seed, "", "seed of drand48; a seed argument replaces it"},
    {"steps", &steps, "", "steps of every walk", at_least(1)},
    {"walks", &walk_count, "", "walks from the origin", at_least(1)},
    {"output-dir", &output_dir, "", "folder the distance and path files are written in"},
};

double distance(const Position& p, int dimensions)
{
    if (dimensions == 3)
        return std::sqrt((p.x * p.x + p.y * p.y) + p.z * p.z);
    return std::sqrt(p.x * p.x + p.y * p.y);
}

void write_position(std::ostream& out, const std::string& name, long number, const Position& p,
                    int dimensions)
{
    out << number << " " << p.x << " " << p.y;
    if (dimensions == 3)
        out << " " << p.z;
    out << std::endl;
    check_output(out, name.c_str());
}

// One distance sum per step count, 0 to steps, made before any file is.
std::vector<double> distance_sums()
{
    try {
        return std::vector<double>(static_cast<std::size_t>(steps) + 1, 0.0);
    } catch (const std::exception&) {   // too large for memory, or for a vector at all
        die("not enough memory for the distances of %ld steps", steps);
    }
}
}  // namespace

int run_walks(int argc, char** argv, const WalkProgram& program)
{
    const ProgramUsage usage{"[seed]", program.about};
    const std::vector<const char*> args = handle_options(argc, argv, usage, options);
    if (!args.empty()) {
        seed = static_cast<int>(integer_argument("seed", args[0], between(INT_MIN, INT_MAX)));
        std::cerr << "Using user seed= " << seed << std::endl;
    } else {
        std::cerr << "Using " << (seed == default_seed ? "default" : "user") << " seed= " << seed << std::endl;
    }
    // The walk count is a double: it divides the sums as it is.
    const double walks = static_cast<double>(walk_count);
    std::vector<double> sum = distance_sums();
    const std::string distance_file = in_folder(output_dir, program.distance_file);
    const std::string path_file = in_folder(output_dir, program.path_file);
    std::ofstream distance_out = open_output(distance_file.c_str());
    std::ofstream path_out = open_output(path_file.c_str());
    path_out << program.path_start << std::endl;
    check_output(path_out, path_file.c_str());

    srand48(static_cast<long>(seed));
    // The recorded walk, 0..walks-1: walk 0 does not exist, the last walk is never taken.
    const long recorded = static_cast<long>(drand48() * walks);
    for (long j = 1; j <= walk_count; ++j) {
        Position p;
        for (long i = 1; i <= steps; ++i) {
            const double u1 = drand48();
            const double u2 = drand48();
            program.step(p, u1, u2);
            sum[i] += distance(p, program.dimensions);
            if (program.path_rule == PathRule::every_step_of_recorded_walk && j == recorded)
                write_position(path_out, path_file, i, p, program.dimensions);
        }
        if (program.path_rule == PathRule::end_of_every_walk)
            write_position(path_out, path_file, j, p, program.dimensions);
    }

    // The error column is the mean over the square root of the walk count.
    for (long i = 0; i <= steps; ++i) {
        distance_out << i << "  " << sum[i] / walks << "  "
                     << ((std::sqrt(walks) / walks) * sum[i]) / walks << std::endl;
        check_output(distance_out, distance_file.c_str());
    }
    close_output(path_out, path_file.c_str());
    close_output(distance_out, distance_file.c_str());

    std::cerr << "data stored in " << distance_file << std::endl;
    std::cerr << "path #" << recorded << " stored in " << path_file << std::endl;
    return 0;
}
