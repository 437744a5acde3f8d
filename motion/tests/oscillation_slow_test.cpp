#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

TEST(OdeStepper, RunsOneStepAheadOfTheClosedFormForFiftySeconds)
{
    const ProgramRun run = run_program("ode_stepper", {});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = split_lines(run.files.at("ode_stepper.dat"));
    ASSERT_EQ(lines.size(), 500000u);
    EXPECT_EQ(lines.front(), "0  0.999999995  -0.0001  1  0");
    EXPECT_EQ(lines.back().substr(0, 9), "49.9999  ");
    // The numerical state of one line is the closed form of the next.
    double x_before = 1, v_before = 0;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        double t, x, v, x_ref, v_ref;
        in >> t >> x >> v >> x_ref >> v_ref;
        ASSERT_NEAR(x_before, x_ref, 1e-6) << line;
        ASSERT_NEAR(v_before, v_ref, 1e-6) << line;
        x_before = x;
        v_before = v;
    }
}

}  // namespace
