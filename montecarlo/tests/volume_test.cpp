#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/program_runner.h"

namespace {

TEST(BallVolume, ClosedFormColumnAndFirstDimension)
{
    const ProgramRun run = run_program("ball_volume", {{}, {}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = split_lines(run.out);
    const char* exact[] = {"2", "3.14159", "4.18879", "4.9348", "5.26379",
                           "5.16771", "4.72477", "4.05871", "3.29851", "2.55016"};
    ASSERT_EQ(lines.size(), 10u);
    for (int d = 1; d <= 10; ++d) {
        const std::string head = " " + std::to_string(d) + " ";
        EXPECT_EQ(lines[d - 1].substr(0, head.size()), head);
        EXPECT_NE(lines[d - 1].find(std::string(" ") + exact[d - 1] + " "), std::string::npos) << lines[d - 1];
    }
    // A single coordinate in [-1, 1) is always inside: exactly 2, zero up to the last bit.
    EXPECT_EQ(lines[0], " 1 2 2 1.11022e-16");
    EXPECT_EQ(lines[9], " 10 2.76508 2.55016 0.084274");
}

TEST(DimensionVolume, ResultLines)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"3", "10000"}, "3 dimensions, Vsphere= 4.2264  Vtot= 8 fractional error= -0.00897868\n"},
        // No coordinate: every point inside, cube 2, closed form 1.
        {{"0", "100"}, "0 dimensions, Vsphere= 2  Vtot= 2 fractional error= -1\n"},
        {{"0", "10", "extra"}, "0 dimensions, Vsphere= 2  Vtot= 2 fractional error= -1\n"},
        {{"1", "100"}, "1 dimensions, Vsphere= 2  Vtot= 2 fractional error= -1.11022e-16\n"},
        {{"2", "1000"}, "2 dimensions, Vsphere= 3.136  Vtot= 4 fractional error= 0.0017802\n"},
        // 0 of 0 points: the estimate is 0/0.
        {{"3", "0"}, "3 dimensions, Vsphere= " + invalid_nan + "  Vtot= 8 fractional error= " + invalid_nan + "\n"},
        // Far beyond any coordinate buffer: the cube overflows, nothing breaks.
        {{"20000", "3"},
         "20000 dimensions, Vsphere= " + invalid_nan + "  Vtot= inf fractional error= " + invalid_nan + "\n"},
        {{"2000000000", "0"},
         "2000000000 dimensions, Vsphere= " + invalid_nan + "  Vtot= inf fractional error= " + invalid_nan + "\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program("dimension_volume", {c.args, {}, {}, ""});
        EXPECT_EQ(run.out, c.out) << c.args[0];
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"3"}}) {
        const ProgramRun run = run_program("dimension_volume", {args, {}, {}, ""});
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "usage: dimension_volume [NDIM][NMAX]\n");
        EXPECT_EQ(run.status, 0);
    }
}

TEST(DimensionVolume, ArgumentsThatAreNoCountAreRefused)
{
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string try_help = "Try 'dimension_volume --help'.\n";
    const Case cases[] = {
        {{"abc", "10", "extra"}, "dimension_volume: NDIM: 'abc' is not a number\n"},
        {{"3", "1e6"}, "dimension_volume: NMAX: '1e6' is not a whole number\n"},
        {{"3", "-5"}, "dimension_volume: NMAX: '-5' must be between 0 and 2147483647\n"},
        {{"-3", "10"}, "dimension_volume: NDIM: '-3' must be between 0 and 2147483647\n"},
        {{"3", "99999999999"}, "dimension_volume: NMAX: '99999999999' must be between 0 and 2147483647\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program("dimension_volume", {c.args, {}, {}, ""});
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err + try_help);
        EXPECT_EQ(run.status, 1);
    }
}

// The seed options: the default given reproduces the run, another seed changes it.
TEST(Volumes, SeedOption)
{
    const std::vector<std::pair<const char*, std::vector<std::string>>> runs = {
        {"ball_volume", {}}, {"dimension_volume", {"3", "10000"}}};
    const std::vector<std::string> defaults = {"--seed=681111", "--seed=1299811"};
    for (size_t k = 0; k < runs.size(); ++k) {
        auto out = [&](const std::string& seed) {
            std::vector<std::string> args = runs[k].second;
            if (!seed.empty())
                args.insert(args.begin(), seed);
            return run_program(runs[k].first, {args, {}, {}, ""}).out;
        };
        EXPECT_EQ(out(defaults[k]), out(""));
        EXPECT_NE(out("--seed=7"), out(""));
        EXPECT_EQ(out("--seed=7"), out("--seed=7"));
    }
}

TEST(BallVolume, SamplesAndDimensions)
{
    // With 8 points every estimate is 2^d times a multiple of 1/8.
    const ProgramRun eight = run_program("ball_volume", {{"--samples=8"}, {}, {}, ""});
    const std::vector<std::string> lines = split_lines(eight.out);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 1 2 2 1.11022e-16");
    for (const std::string& line : lines) {
        std::istringstream in(line);
        double d, estimate;
        in >> d >> estimate;
        const double inside = estimate * 8 / std::pow(2.0, d);
        EXPECT_EQ(inside, std::round(inside)) << line;
        EXPECT_TRUE(inside >= 0 && inside <= 8) << line;
    }
    const ProgramRun three = run_program("ball_volume", {{"--dimensions", "3"}, {}, {}, ""});
    EXPECT_EQ(split_lines(three.out).size(), 3u);
    EXPECT_EQ(split_lines(three.out)[0], " 1 2 2 1.11022e-16");
}

// The standard error of a hit-or-miss estimate against the spread of the
// estimate over 40 seeds (loosely); asking for it changes nothing else.
TEST(MonteCarloEstimates, StandardErrorMatchesTheSpreadOverSeeds)
{
    const struct {
        const char* program;
        std::vector<std::string> args;
        std::string head;   // of the line read
    } cases[] = {
        {"ball_volume", {"--dimensions=5"}, "ball_volume: dimension 5: standard error "},
        {"dimension_volume", {"3", "2000"}, "dimension_volume: standard error "},
        {"pond_sphere", {"--samples=2000"}, "pond_sphere: standard error "},
    };
    const std::string of = " of the estimate ";
    for (const auto& c : cases) {
        auto run = [&](std::vector<std::string> args) {
            args.insert(args.end(), c.args.begin(), c.args.end());
            return run_program(c.program, {args, {}, {}, ""});
        };
        const ProgramRun plain = run({});
        const ProgramRun asked = run({"--standard-error=1"});
        EXPECT_EQ(asked.out, plain.out) << c.program;
        EXPECT_EQ(asked.files, plain.files) << c.program;
        const size_t at = asked.err.find(of, asked.err.find(c.head)) + of.size();
        const std::string estimate = asked.err.substr(at, asked.err.find('\n', at) - at);
        EXPECT_NE(plain.out.find(" " + estimate + " "), std::string::npos) << c.program << ": " << estimate;
        double sum = 0.0, sum2 = 0.0, errors = 0.0;
        const int seeds = 40;
        for (int seed = 1; seed <= seeds; ++seed) {
            const std::string err = run({"--standard-error=1", "--seed=" + std::to_string(seed)}).err;
            const size_t line = err.find(c.head);
            errors += std::stod(err.substr(line + c.head.size()));
            const double e = std::stod(err.substr(err.find(of, line) + of.size()));
            sum += e;
            sum2 += e * e;
        }
        const double ratio = std::sqrt((sum2 - sum * sum / seeds) / (seeds - 1)) / (errors / seeds);
        EXPECT_TRUE(ratio > 0.7 && ratio < 1.4) << c.program << ": spread / standard error " << ratio;
    }
    // Every point inside: no spread at all.
    EXPECT_EQ(run_program("dimension_volume", {{"--standard-error=1", "0", "100"}, {}, {}, ""}).err,
              "dimension_volume: standard error 0 of the estimate 2\n");
}

}  // namespace
