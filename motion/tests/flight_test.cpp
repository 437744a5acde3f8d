#include "motion/flight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/program_runner.h"

namespace {

struct PathPoint {
    double t, x, y;
};

PathPoint point(const std::string& line)
{
    std::istringstream in(line);
    PathPoint p{};
    in >> p.t >> p.x >> p.y;
    return p;
}

double height(const std::string& line)
{
    return point(line).y;
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
        const FlightConditions c = flight_conditions(times[i], FlightState{0, 0, 3, 4}, 1, Vehicle{}, Earth{});
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

TEST(Rocket, WithoutThrustDragOrGravityFliesStraightAtTheLaunchAngle)
{
    ProgramCase coasting;
    coasting.args = {"--thrust", "0", "--drag-coefficient", "0", "--earth-mass", "0", "--angle", "60",
                     "--speed", "10", "--x", "3", "--y", "2", "--duration", "1", "--step", "0.125"};
    const ProgramRun run = run_program("rocket", coasting);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0\n");
    const std::vector<std::string> lines = split_lines(run.files.at("rocket.txt"));
    ASSERT_EQ(lines.size(), 8u);
    // Each line holds the position at the end of its step.
    for (const std::string& line : lines) {
        const PathPoint p = point(line);
        EXPECT_NEAR(p.x, 3 + 10 * 0.5 * (p.t + 0.125), 1e-3) << line;
        EXPECT_NEAR(p.y, 2 + 10 * std::sqrt(0.75) * (p.t + 0.125), 1e-3) << line;
    }
}

TEST(LaunchTrajectory, WithoutThrustOrDragLandsAfterTheProjectileFlightTime)
{
    ProgramCase thrown;
    thrown.args = {"--thrust", "0", "--drag-coefficient", "0", "--speed", "100", "--angle", "30",
                   "--step", "0.001"};
    const ProgramRun run = run_program("launch_trajectory", thrown);
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("launch_trajectory.txt"));
    ASSERT_FALSE(lines.empty());
    // Gravity at the surface, G M / R^2; the flight stays low and short
    // enough for it to stay uniform.
    const double g = 6.674e-11 * 5.972e24 / (6371000.0 * 6371000.0);
    const double flight_time = 2 * 100 * 0.5 / g;
    const PathPoint landing = point(lines.back());
    EXPECT_NEAR(landing.t, flight_time, 0.01);
    EXPECT_NEAR(landing.x, 100 * std::sqrt(0.75) * flight_time, 1);
    EXPECT_LE(landing.y, 0);
    EXPECT_GT(height(lines[lines.size() - 2]), 0);
}

// Steps of binary fractions add up exactly, so the count of lines is the
// duration over the step.
TEST(MotionPrograms, HalvingTheStepDoublesTheLinesOfTheOutput)
{
    const std::string programs[] = {"rocket", "launch_trajectory", "swing_sim", "ode_stepper"};
    for (const std::string& program : programs) {
        for (const auto& [step, count, last] : {std::tuple{"0.125", 16u, "1.875"},
                                                std::tuple{"0.0625", 32u, "1.9375"}}) {
            ProgramCase c;
            c.args = {"--step", step, "--duration", "2", "--output", "path.txt"};
            const ProgramRun run = run_program(program, c);
            EXPECT_EQ(run.status, 0) << program << " " << run.err;
            ASSERT_EQ(run.files.count("path.txt"), 1u) << program;
            EXPECT_EQ(run.files.size(), 1u) << program;
            const std::vector<std::string> lines = split_lines(run.files.at("path.txt"));
            ASSERT_EQ(lines.size(), count) << program << " --step " << step;
            EXPECT_EQ(lines.back().substr(0, lines.back().find(' ')), last) << program;
        }
    }
}

}  // namespace
