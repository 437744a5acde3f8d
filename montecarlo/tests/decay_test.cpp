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
    std::vector<int> steps(decay_bins, 0);
    for_each_time_step([&](int bin) {
        ASSERT_TRUE(bin >= 0 && bin < decay_bins) << bin;
        ++steps[bin];
    });
    const std::map<int, int> odd{{0, 101}, {7, 101}, {120, 101}, {1, 99}, {30, 99}, {481, 99}};
    for (int b = 0; b < decay_bins; ++b)
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
        {"half_life_sim", {"20", "abc"}, {"5 20 0", "15 0 0", "9995 0 0"}, 1, 20},
        // Negative half-life: none ever decays.
        {"half_life_sim", {"20", "-5"}, {"5 0 20", "15 0 20", "9995 0 20"}, 1, 20},
        {"half_life_sim", {"-7", "5"}, {"5 0 -7", "15 0 -7", "9995 0 -7"}, 1, -7},
        {"carbon_chain", {"100", "300", "400"}, {"5 2 42 44 756", "15 4 38 42 714", "9995 0 0 0 100"}, 2, 800},
        {"carbon_chain", {"1234567", "0", "abc"},
         {"5 0 0 0 1.23457e+06", "15 0 0 0 1.23457e+06", "9995 0 0 0 1.23457e+06"}, 2, 1234567},
        {"carbon_chain", {"0", "0", "0"}, {"5 0 0 0 0", "15 0 0 0 0", "9995 0 0 0 0"}, 2, 0},
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
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program(c.program, {c.args, {}, {}, ""});
        EXPECT_EQ(run.status, c.status) << c.program;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}

}  // namespace
