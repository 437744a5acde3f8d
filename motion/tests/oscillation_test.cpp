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

TEST(OdeStepper, ClosedFormAtTheStartOfEachStep)
{
    const ProgramRun run = run_program("ode_stepper", {});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("ode_stepper.dat"));
    ASSERT_EQ(lines.size(), 500000u);
    EXPECT_EQ(lines[1], "0.0001  0.99999998  -0.000199999999  0.999999995  -9.999999983e-05");
    EXPECT_EQ(lines.back(), "49.9999  0.9649660504  0.2623747733  0.9649397863  0.2624713485");
}

}  // namespace
