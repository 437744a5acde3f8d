#include "montecarlo/decay.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

TEST(TimeSteps, AccumulatedTimeGivesSomeBinsAStepMoreOrLess)
{
    constexpr int bins = 1000;
    std::vector<int> steps(bins, 0);
    for_each_time_step(DecayGrid{}, [&](long bin) {
        ASSERT_TRUE(bin >= 0 && bin < bins) << bin;
        ++steps[bin];
    });
    const std::map<int, int> odd{{0, 101}, {7, 101}, {120, 101}, {1, 99}, {30, 99}, {481, 99}};
    for (int b = 0; b < bins; ++b)
        EXPECT_EQ(steps[b], odd.count(b) ? odd.at(b) : 100) << b;
}

// Sum of the decay columns and the last atoms-left value, which give the start.
double decays_plus_left(const std::vector<std::string>& lines, int decay_columns)
{
    double sum = 0;
    std::vector<double> row;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        row.clear();
        for (double v; in >> v;)
            row.push_back(v);
        for (int c = 1; c <= decay_columns; ++c)
            sum += row.at(c);
    }
    return sum + row.back();
}

TEST(DecayPrograms, Tables)
{
    struct Case {
        const char* program;
        std::vector<std::string> args;
        std::vector<std::string> lines;   // first, second, last
        int decay_columns;
        double atoms;
    };
    const Case cases[] = {
        {"half_life_sim", {"3000", "50"}, {"5 409 2591", "15 352 2239", "9995 0 0"}, 1, 3000},
        // Half-life 0: infinite probability, all decay in the first step.
        // Counts from 10^6 print in exponent form.
        {"half_life_sim", {"1234567", "0"}, {"5 1.23457e+06 0", "15 0 0", "9995 0 0"}, 1, 1234567},
        // Negative half-life: none ever decays.
        {"half_life_sim", {"20", "-5"}, {"5 0 20", "15 0 20", "9995 0 20"}, 1, 20},
        {"half_life_sim", {"-7", "5"}, {"5 0 -7", "15 0 -7", "9995 0 -7"}, 1, -7},
        {"carbon_chain", {"100", "300", "400"}, {"5 2 42 44 756", "15 4 38 42 714", "9995 0 0 0 100"}, 2, 800},
        {"carbon_chain", {"1234567", "0", "0"},
         {"5 0 0 0 1.23457e+06", "15 0 0 0 1.23457e+06", "9995 0 0 0 1.23457e+06"}, 2, 1234567},
        {"carbon_chain", {"0", "0", "0"}, {"5 0 0 0 0", "15 0 0 0 0", "9995 0 0 0 0"}, 2, 0},
        // Lifetimes far below the step: every atom decays in the first step.
        {"carbon_chain", {"--c11-lifetime=1e-9", "--c10-lifetime", "1e-9", "3", "7", "9"},
         {"5 7 9 16 3", "15 0 0 0 3", "9995 0 0 0 3"}, 2, 19},
        // Lifetimes far beyond the run: none decays.
        {"carbon_chain", {"--c11-lifetime=1e30", "--c10-lifetime=1e30", "3", "7", "9"},
         {"5 0 0 0 19", "15 0 0 0 19", "9995 0 0 0 19"}, 2, 19},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program(c.program, {c.args, {}, {}, ""});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = split_lines(run.out);
        ASSERT_EQ(lines.size(), 1000u);
        EXPECT_EQ((std::vector<std::string>{lines[0], lines[1], lines[999]}), c.lines);
        if (c.atoms < 1e6) {
            EXPECT_EQ(decays_plus_left(lines, c.decay_columns), c.atoms) << c.args[0];
        }
    }
}

TEST(DecayPrograms, UsageAndRefusedCounts)
{
    const std::string try_half_life = "Try 'half_life_sim --help'.\n";
    const std::string try_chain = "Try 'carbon_chain --help'.\n";
    struct Case {
        const char* program;
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"carbon_chain", {}, 0, "Input: #C12, #C11, #C10\n"},
        {"carbon_chain", {"1", "2"}, 0, "Input: #C12, #C11, #C10\n"},
        {"carbon_chain", {"1", "-2", "3"}, 1, "carbon_chain: atom count -2 is not between 0 and 2147483647\n"},
        {"carbon_chain", {"99999999999", "0", "0"}, 1,
         "carbon_chain: atom count 99999999999 is not between 0 and 2147483647\n"},
        {"carbon_chain", {"2147483647", "0", "1"}, 1,
         "carbon_chain: 2147483647 + 0 + 1 atoms are more than 2147483647\n"},
        {"half_life_sim", {}, 0, "usage: half_life_sim [Natoms][Half-life]\n"},
        {"half_life_sim", {"100"}, 0, "usage: half_life_sim [Natoms][Half-life]\n"},
        {"half_life_sim", {"3000000000", "5"}, 1,
         "half_life_sim: atom count 3000000000 is not between -2147483648 and 2147483647\n"},
        {"half_life_sim", {"20", "abc"}, 1, "half_life_sim: Half-life: 'abc' is not a number\n" + try_half_life},
        {"half_life_sim", {"1e3", "5"}, 1, "half_life_sim: Natoms: '1e3' is not a whole number\n" + try_half_life},
        {"carbon_chain", {"1234567", "0", "abc"}, 1, "carbon_chain: C10: 'abc' is not a number\n" + try_chain},
        {"carbon_chain", {"--bin-width=0.05", "1", "1", "1"}, 1,
         "carbon_chain: --bin-width: 0.05 is shorter than the step 0.1\n"},
        // Past 2^53 a step of 1 no longer changes the time.
        {"half_life_sim", {"--duration=1e16", "--step=1", "1", "1"}, 1,
         "half_life_sim: --step: 1 is too small to advance the time to 1e+16 (at least 2)\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program(c.program, {c.args, {}, {}, ""});
        EXPECT_EQ(run.status, c.status) << c.program;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}

// The time grid and the seed: other bins, other steps, other draws.
TEST(DecayPrograms, GridAndSeedOptions)
{
    auto table = [](std::vector<std::string> args) {
        args.insert(args.end(), {"20", "50"});
        const ProgramRun run = run_program("half_life_sim", {args, {}, {}, ""});
        EXPECT_EQ(run.status, 0) << run.err;
        return split_lines(run.out);
    };
    const std::vector<std::string> plain = table({});
    // Bins of 20 draw the same numbers: each holds the decays of two bins of 10.
    const std::vector<std::string> wide = table({"--bin-width=20"});
    ASSERT_EQ(wide.size(), 500u);
    for (size_t b = 0; b < wide.size(); ++b) {
        std::istringstream first(plain[2 * b]), second(plain[2 * b + 1]);
        double centre, decays1, decays2, left;
        first >> centre >> decays1 >> left;
        second >> centre >> decays2 >> left;
        std::ostringstream merged;
        merged << centre - 5 << " " << decays1 + decays2 << " " << left;
        EXPECT_EQ(wide[b], merged.str());
    }
    // 105 is not a whole number of bins: the last one is half a bin.
    const std::vector<std::string> short_run = table({"--duration=105"});
    ASSERT_EQ(short_run.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(short_run.begin(), short_run.begin() + 10),
              std::vector<std::string>(plain.begin(), plain.begin() + 10));
    EXPECT_EQ(short_run.back().substr(0, 4), "105 ");
    EXPECT_EQ(decays_plus_left(short_run, 1), 20);

    // Half the step, twice the steps per bin: the same decay law, other draws.
    const ProgramRun half = run_program("half_life_sim", {{"--step=0.05", "3000", "50"}, {}, {}, ""});
    const ProgramRun whole = run_program("half_life_sim", {{"3000", "50"}, {}, {}, ""});
    const std::vector<std::string> lines = split_lines(half.out);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_NE(half.out, whole.out);
    const double left = std::stod(lines[4].substr(lines[4].rfind(' ') + 1));
    EXPECT_NEAR(left, 1500, 150) << "atoms left after one half-life";

    for (const char* program : {"half_life_sim", "carbon_chain"}) {
        auto run = [&](const std::vector<std::string>& seed) {
            std::vector<std::string> args = seed;
            args.insert(args.end(), {"100", "300", "400"});
            if (std::string(program) == "half_life_sim")
                args.pop_back();
            return run_program(program, {args, {}, {}, ""}).out;
        };
        EXPECT_EQ(run({"--seed=1299811"}), run({}));
        EXPECT_EQ(run({"--seed=5"}), run({"--seed", "5"}));
        EXPECT_NE(run({"--seed=5"}), run({}));
    }
}

}  // namespace
