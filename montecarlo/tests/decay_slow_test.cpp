#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

TEST(DecaySlow, HundredThousandAtomsFollowTheExponentialLaw)
{
    // Both runs hold 100000 atoms with a mean lifetime of 100 time units.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"half_life_sim", "100000", "69.3147"},
                                                 {"carbon_chain", "0", "0", "100000"}}) {
        const ProgramRun run = run_program(args[0], {{args.begin() + 1, args.end()}, {}, {}, ""});
        EXPECT_EQ(run.status, 0);
        const std::vector<std::string> lines = split_lines(run.out);
        ASSERT_EQ(lines.size(), 1000u);
        // Bins 9 and 29 end at one and three lifetimes.
        for (int bin : {9, 29}) {
            const double left = std::stod(lines[bin].substr(lines[bin].rfind(' ') + 1));
            EXPECT_NEAR(left / 100000, std::exp(-(bin + 1) / 10.0), 0.005) << args[0] << " bin " << bin;
        }
    }
}

}  // namespace
