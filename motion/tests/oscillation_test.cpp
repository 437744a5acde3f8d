#include "motion/midpoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "common/constants.h"
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

// The columns of one line of the pendulum's file.
std::vector<double> numbers(const std::string& line)
{
    std::istringstream in(line);
    std::vector<double> values;
    double v;
    while (in >> v)
        values.push_back(v);
    return values;
}

TEST(SwingSim, SmallSwingsOfALongerPendulumKeepTheSmallAnglePeriod)
{
    ProgramCase swing;
    swing.args = {"--length", "4", "--angle", "0.01", "--angular-velocity", "0.02", "--duration", "10"};
    const ProgramRun run = run_program("swing_sim", swing);
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("pend.dat"));
    // The accumulated time falls just short of 10 s: one more step.
    ASSERT_EQ(lines.size(), 10001u);
    const double omega = std::sqrt(9.81 / 4);
    auto angle = [omega](double t) { return 0.01 * std::cos(omega * t) + 0.02 / omega * std::sin(omega * t); };
    auto angular_velocity = [omega](double t) {
        return 0.02 * std::cos(omega * t) - 0.01 * omega * std::sin(omega * t);
    };
    // Energy per unit mass of a pendulum 4 m long.
    const double energy = 9.81 * 4 * (1 - std::cos(0.01)) + 0.5 * 16 * 0.02 * 0.02;
    std::vector<double> downward_crossings;
    double before = 0.01;
    for (const std::string& line : lines) {
        const std::vector<double> c = numbers(line);
        ASSERT_EQ(c.size(), 9u) << line;
        const double t = c[0];
        ASSERT_NEAR(c[4], angle(t + 0.001), 2e-5) << line;
        ASSERT_NEAR(c[6], energy, 1e-6) << line;
        ASSERT_NEAR(c[7], angle(t), 1e-6) << line;
        ASSERT_NEAR(c[8], angular_velocity(t), 1e-5) << line;
        if (before > 0 && c[4] <= 0)
            downward_crossings.push_back(t);
        before = c[4];
    }
    ASSERT_GE(downward_crossings.size(), 2u);
    EXPECT_NEAR(downward_crossings[1] - downward_crossings[0], 2 * pi * std::sqrt(4 / 9.81), 2e-3);
}

TEST(OdeStepper, AnotherSpringAndStartFollowTheClosedForm)
{
    ProgramCase spring;
    spring.args = {"--spring-constant", "8", "--mass", "2", "--position", "0.5", "--velocity", "2",
                   "--duration", "5"};
    const ProgramRun run = run_program("ode_stepper", spring);
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("ode_stepper.dat"));
    ASSERT_EQ(lines.size(), 50000u);
    // Omega = sqrt(8 / 2) = 2.
    auto x = [](double t) { return 0.5 * std::cos(2 * t) + std::sin(2 * t); };
    auto v = [](double t) { return 2 * std::cos(2 * t) - std::sin(2 * t); };
    for (const std::string& line : lines) {
        const std::vector<double> c = numbers(line);
        ASSERT_EQ(c.size(), 5u) << line;
        const double t = c[0];
        ASSERT_NEAR(c[1], x(t + 1e-4), 1e-6) << line;
        ASSERT_NEAR(c[2], v(t + 1e-4), 1e-6) << line;
        ASSERT_NEAR(c[3], x(t), 1e-8) << line;
        ASSERT_NEAR(c[4], v(t), 1e-8) << line;
    }
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
