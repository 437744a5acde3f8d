// pi_series at the largest int term count: 2i - 1 passes the int range and the
// loop runs to INT_MAX, which must neither wrap nor run forever.
#include <gtest/gtest.h>

#include "tests/program_runner.h"

TEST(PiSeriesSlow, LargestTermCountEnds)
{
    ProgramCase c;
    c.input = "2147483647\n";
    c.timeout_s = 60;
    ProgramRun run = run_program("pi_series", c);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Enter the number of terms in the Leibniz Series: Value of Pi: 3.141593 \n"
              "Fractional error: -0.000000 \n");
}
