// The random walks of wander_space and wander_plane: 100 walks of 1000 steps
// from the origin, the mean distance after every step count written to a
// table, and positions written to a path file.
#pragma once

struct Position {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

enum class PathRule {
    every_step_of_recorded_walk,   // the full path of walk k
    end_of_every_walk,             // the end point of each walk
};

struct WalkProgram {
    const char* distance_file;                          // step, mean, error
    const char* path_file;
    const char* path_start;                             // the origin line, step 0
    int dimensions;                                     // 2: x, y; 3: x, y, z
    void (*step)(Position& p, double u1, double u2);    // one step from two draws
    PathRule path_rule;
    const char* about;                                  // --help text after the usage line
};

// Reads the options (--seed, --steps, --walks, --output-dir) and the seed
// argument, which replaces the default seed; runs the walks, writes both
// files and the closing messages; returns the exit status.
int run_walks(int argc, char** argv, const WalkProgram& program);
