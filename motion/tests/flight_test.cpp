#include "motion/flight.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

double height(const std::string& line)
{
    std::istringstream in(line);
    double t, x, y;
    in >> t >> x >> y;
    return y;
}

TEST(FlightConditions, BurnOutFollowsTheAccumulatedTime)
{
    double past_burn_out = 0;
    for (int i = 0; i < 11500; ++i)
        past_burn_out += 0.01;
    const double times[] = {0, 115, past_burn_out};
    const double masses[] = {15592, 2266, 2266};
    const double thrusts[] = {26051 * 9.81, 26051 * 9.81, 0};
    for (int i = 0; i < 3; ++i) {
        const FlightConditions c = flight_conditions(times[i], FlightState{0, 0, 3, 4}, 1);
        EXPECT_DOUBLE_EQ(c.mass, masses[i]) << i;
        EXPECT_EQ(c.thrust, thrusts[i]) << i;
        EXPECT_EQ(c.speed, 5);
    }
}

TEST(Rocket, PrintsTheLaunchAccelerationAndTenSecondsOfPath)
{
    const ProgramRun run = run_program("rocket", {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "11.5898\n");
    const std::vector<std::string> lines = split_lines(run.files.at("rocket.txt"));
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines.front(), "0  1.1181  1.1181");
    EXPECT_EQ(lines.back(), "10  287.2  -423.11");
    // Below the launch level from 0.9 s on, and nothing stops the run there.
    EXPECT_GT(height(lines[8]), 0);
    EXPECT_EQ(lines[9].substr(0, 5), "0.9  ");
    EXPECT_LT(height(lines[9]), 0);
}

TEST(LaunchTrajectory, FliesUntilTheFirstStepAtOrBelowTheGround)
{
    const ProgramRun run = run_program("launch_trajectory", {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = split_lines(run.files.at("launch_trajectory.txt"));
    ASSERT_EQ(lines.size(), 33355u);
    EXPECT_EQ(lines[0], "0  0.035355  0.035355");
    EXPECT_EQ(lines[1], "0.01  0.070711  0.070888");
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        ASSERT_GT(height(lines[i]), 0) << lines[i];
    EXPECT_EQ(lines.back(), "333.54  1.8806e+05  -0.6362");
}

TEST(MotionPrograms, AnOutputThatCannotBeCreatedEndsTheRunAtOnce)
{
    const std::pair<std::string, std::string> cases[] = {
        {"rocket", "rocket.txt"},
        {"launch_trajectory", "launch_trajectory.txt"},
        {"swing_sim", "pend.dat"},
        {"ode_stepper", "ode_stepper.dat"},
    };
    for (const auto& [program, output] : cases) {
        ProgramCase blocked;
        blocked.dirs = {output};
        const ProgramRun run = run_program(program, blocked);
        EXPECT_EQ(run.status, 1) << program;
        EXPECT_EQ(run.out, "") << program;
        EXPECT_EQ(run.err, program + ": cannot create " + output + ": Is a directory\n");
        EXPECT_TRUE(run.files.empty()) << program;
    }
}

}  // namespace
