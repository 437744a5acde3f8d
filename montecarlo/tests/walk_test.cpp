#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/program_runner.h"

namespace {

struct Walker {
    const char* program;
    const char* distance_file;
    const char* path_file;
    std::vector<std::string> distance_lines;   // steps 0, 1 and 1000, default seed
    std::vector<std::string> path_lines;       // first, second and last
};

const Walker walkers[] = {
    {"wander_space", "walk3d.dat", "walkpath3d.dat",
     {"0  0  0", "1  1  0.1", "1000  30.6392  3.06392"},
     {"0 0.0 0.0 0.0", "1 -0.756655 0.401868 -0.515729", "1000 15.6619 -18.4754 6.04081"}},
    {"wander_plane", "walk2d.dat", "walkpath2d.dat",
     {"0  0  0", "1  0.946652  0.0946652", "1000  31.1876  3.11876"},
     {"0 0.0 0.0", "1 -11.4481 -34.6019", "100 38.9757 -14.6563"}},
};

std::string closing(const Walker& w, int k)
{
    return std::string("data stored in ") + w.distance_file + "\npath #" + std::to_string(k) +
           " stored in " + w.path_file + "\n";
}

TEST(Walks, DefaultSeedRecordsWalk96)
{
    for (const Walker& w : walkers) {
        const ProgramRun run = run_program(w.program, {{}, {}, {}, ""});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Using default seed= 94180717\n" + closing(w, 96));
        const std::vector<std::string> table = split_lines(run.files.at(w.distance_file));
        ASSERT_EQ(table.size(), 1001u);
        EXPECT_EQ((std::vector<std::string>{table[0], table[1], table[1000]}), w.distance_lines);
        const std::vector<std::string> path = split_lines(run.files.at(w.path_file));
        EXPECT_EQ((std::vector<std::string>{path[0], path[1], path.back()}), w.path_lines);
    }
}

TEST(Walks, UserSeeds)
{
    struct Case {
        std::vector<std::string> args;
        std::string seed_line;
        int k;
        size_t space_path_lines;
    };
    const Case cases[] = {
        // The first draw is below 0.01: walk 0 does not exist, only the start line.
        {{"9"}, "Using user seed= 9\n", 0, 1},
        {{"0", "ignored"}, "Using user seed= 0\n", 17, 1001},
        {{"-7"}, "Using user seed= -7\n", 7, 1001},
        // The option gives the same walks; the seed argument replaces it.
        {{"--seed=9"}, "Using user seed= 9\n", 0, 1},
        {{"--seed=5", "9"}, "Using user seed= 9\n", 0, 1},
        {{"--seed=94180717"}, "Using default seed= 94180717\n", 96, 1001},
        {{"94180717"}, "Using user seed= 94180717\n", 96, 1001},
    };
    for (const Case& c : cases) {
        for (const Walker& w : walkers) {
            const ProgramRun run = run_program(w.program, {c.args, {}, {}, ""});
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.err, c.seed_line + closing(w, c.k));
            EXPECT_EQ(count_lines(run.files.at(w.distance_file)), 1001u);
            const bool space = w.program == walkers[0].program;
            EXPECT_EQ(count_lines(run.files.at(w.path_file)), space ? c.space_path_lines : 101u);
        }
    }
}

TEST(Walks, StepsWalksAndOutputFolder)
{
    for (const Walker& w : walkers) {
        const bool space = w.program == walkers[0].program;
        // Seed 5 records walk 1 of 2.
        const ProgramRun run = run_program(w.program, {{"--steps=10", "--walks", "2", "5"}, {}, {}, ""});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "Using user seed= 5\n" + closing(w, 1));
        EXPECT_EQ(count_lines(run.files.at(w.distance_file)), 11u);
        EXPECT_EQ(count_lines(run.files.at(w.path_file)), space ? 11u : 3u);
        // The walk count divides the sums: over one walk the error column,
        // the mean over its square root, is the mean itself.
        const ProgramRun one = run_program(w.program, {{"--walks=1", "--steps=20"}, {}, {}, ""});
        for (const std::string& line : split_lines(one.files.at(w.distance_file))) {
            std::istringstream in(line);
            std::string step, mean, error;
            in >> step >> mean >> error;
            EXPECT_EQ(mean, error) << line;
        }

        const ProgramRun in_dir = run_program(w.program, {{"--output-dir=out"}, {}, {"out"}, ""});
        EXPECT_EQ(in_dir.status, 0);
        EXPECT_EQ(in_dir.files.count(w.distance_file), 0u);
        EXPECT_NE(in_dir.err.find(std::string("data stored in out/") + w.distance_file + "\n"), std::string::npos)
            << in_dir.err;
        EXPECT_NE(in_dir.err.find(std::string(" stored in out/") + w.path_file + "\n"), std::string::npos);
    }
}

TEST(Walks, SeedsThatAreNoIntegerAreRefused)
{
    for (const Walker& w : walkers) {
        const std::string try_help = std::string("Try '") + w.program + " --help'.\n";
        for (const auto& [seed, why] : std::vector<std::pair<std::string, std::string>>{
                 {"abc", "is not a number"},
                 {"7.5", "is not a whole number"},
                 {"99999999999", "must be between -2147483648 and 2147483647"}}) {
            const ProgramRun run = run_program(w.program, {{seed}, {}, {}, ""});
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, std::string(w.program) + ": seed: '" + seed + "' " + why + "\n" + try_help);
            EXPECT_TRUE(run.files.empty());
        }
    }
}

TEST(Walks, UncreatableOutputFails)
{
    for (const Walker& w : walkers) {
        for (const char* blocked : {w.distance_file, w.path_file}) {
            const ProgramRun run = run_program(w.program, {{}, {}, {blocked}, ""});
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.err.find(std::string("cannot create ") + blocked), std::string::npos) << run.err;
        }
    }
}

}  // namespace
