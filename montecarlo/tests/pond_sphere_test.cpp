#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

TEST(PondSphere, InsideBlockSeparatorOutsideBlock)
{
    const ProgramRun run = run_program("pond_sphere", {{}, {}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "area of inscribed sphere= 12.5592 , fractional error= 0.00228247744\n");
    EXPECT_EQ(run.err, "data stored in pond3.dat\n");
    const std::vector<std::string> lines = split_lines(run.files.at("pond3.dat"));
    ASSERT_EQ(lines.size(), 100002u);
    // 12.5592 / 24 of the 100000 points are inside.
    const size_t inside = 52330;
    EXPECT_EQ(lines[inside - 1], "0.462517 -0.212477 0.487861");
    EXPECT_EQ(lines[inside], "");
    EXPECT_EQ(lines[inside + 1], "");
    EXPECT_EQ(lines[inside + 2], "-0.595829 -0.868813 -0.0161578");
}

// A user's count and file: as many point lines, the inside block as the
// estimate says, and another seed draws other points.
TEST(PondSphere, SamplesOutputAndSeed)
{
    const ProgramRun run = run_program("pond_sphere", {{"--samples=1000", "--output", "mine.dat"}, {}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "data stored in mine.dat\n");
    EXPECT_EQ(run.files.count("pond3.dat"), 0u);
    const std::vector<std::string> lines = split_lines(run.files.at("mine.dat"));
    ASSERT_EQ(lines.size(), 1002u);
    const double area = std::stod(run.out.substr(run.out.find("= ") + 2));
    const auto inside = static_cast<size_t>(std::lround(area / 24 * 1000));
    EXPECT_EQ(lines[inside], "");
    EXPECT_EQ(lines[inside + 1], "");
    EXPECT_NE(lines[inside - 1], "");

    const ProgramRun same = run_program("pond_sphere", {{"--samples=1000", "--seed=681111"}, {}, {}, ""});
    const ProgramRun other = run_program("pond_sphere", {{"--samples=1000", "--seed=5"}, {}, {}, ""});
    EXPECT_EQ(same.files.at("pond3.dat"), run.files.at("mine.dat"));
    EXPECT_NE(other.files.at("pond3.dat"), run.files.at("mine.dat"));
}

TEST(PondSphere, UncreatableOutputFailsBeforeSampling)
{
    const ProgramRun run = run_program("pond_sphere", {{}, {}, {"pond3.dat"}, ""});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot create pond3.dat"), std::string::npos) << run.err;
}

}  // namespace
