#include <gtest/gtest.h>

#include <string>
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
        {{"abc", "10", "extra"}, "0 dimensions, Vsphere= 2  Vtot= 2 fractional error= -1\n"},
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

}  // namespace
