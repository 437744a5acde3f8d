#include "motion/midpoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

double identity(double x)
{
    return x;
}

TEST(MidpointStep, KeepsTheOscillatorEnergyOverFiftySeconds)
{
    Phase p{1, 0};
    double worst = 0;
    for (int i = 0; i < 500000; ++i) {
        p = midpoint_step(p, -1, identity, 1e-4);
        worst = std::max(worst, std::fabs((p.x * p.x + p.v * p.v) / 2 - 0.5));
    }
    EXPECT_LT(worst, 1e-11);
    EXPECT_NEAR(p.x, std::cos(50.0), 1e-6);
}

TEST(SwingSim, FirstOrderEnergyDriftsWhileTheMidpointEnergyStays)
{
    const ProgramRun run = run_program("swing_sim", {});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("pend.dat"));
    ASSERT_EQ(lines.size(), 50001u);
    EXPECT_EQ(lines.front(), "0  1  -0.0082548  4.5097 1  -0.0082548 4.5096 1  0");
    EXPECT_EQ(lines.back().substr(0, 4), "50  ");
    std::string column[9];
    for (const std::string& line : lines) {
        std::istringstream in(line);
        for (std::string& c : column)
            in >> c;
        ASSERT_EQ(column[6], "4.5096") << line;
    }
    EXPECT_NEAR(std::stod(column[3]), 6.73, 0.01);
}

}  // namespace
