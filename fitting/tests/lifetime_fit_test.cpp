// The two lifetime fits on planted decay tables and on bad invocations and
// data files; the grid-wide edge cases are in lifetime_fit_slow_test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

struct Fit {
    const char* program;
    const char* grid;
};

const Fit meson{"meson_lifetime", "piongrid.txt"};
const Fit lepton{"lepton_lifetime", "muongrid.txt"};

ProgramCase with_data(const std::string& data)
{
    ProgramCase c;
    c.args = {"data.txt"};
    c.files = {{"data.txt", data}};
    return c;
}

ProgramCase with_args(std::vector<std::string> args)
{
    ProgramCase c;
    c.args = args;
    return c;
}

// Noise-free counts of 50 exp(-t / 26 ns) at t = 2, 6, ..., 50 ns and of
// 90 exp(-t / 2.1001 us) at t = 0.1, 0.5, ..., 10.1 us: both lie on grid points.
const std::string meson_exact =
    "46.2981 2\n39.6961 6\n34.0356 10\n29.1823 14\n25.021 18\n21.4531 22\n18.394 26\n"
    "15.7711 30\n13.5222 34\n11.594 38\n9.94071 42\n8.5232 46\n7.30783 50\n";
const std::string lepton_exact =
    "85.8149 0.1 70.9323 0.5 58.6307 0.9 48.4626 1.3 40.0578 1.7 33.1107 2.1 27.3684 2.5 "
    "22.622 2.9 18.6987 3.3 15.4559 3.7 12.7754 4.1 10.5598 4.5 8.72845 4.9 7.2147 5.3 "
    "5.96347 5.7 4.92925 6.1 4.07438 6.5 3.36777 6.9 2.78371 7.3 2.30094 7.7 1.90189 8.1 "
    "1.57205 8.5 1.29942 8.9 1.07406 9.3 0.887792 9.7 0.733825 10.1\n";

TEST(LifetimeFit, FindsPlantedPointAndListsBandInVisitingOrder)
{
    struct PlantedCase {
        Fit fit;
        std::string data;
        std::string out;
        size_t grid_lines;
        std::string first_grid_line;
        std::string last_grid_line;
    };
    const PlantedCase cases[] = {
        {meson, meson_exact, "2.52601e-10\t50\t2.6e-08\t-4.99998\n", 67,
         "5.49491\t37\t3.458e-08", "5.49288\t64.5\t2.067e-08"},
        {lepton, lepton_exact, "1.96812e-10\t90\t2.1001e-06\t-7.14141\n", 57,
         "38.5812\t51.3\t2.8501e-06", "38.5903\t137.25\t1.5421e-06"},
    };
    for (const PlantedCase& c : cases) {
        SCOPED_TRACE(c.fit.program);
        ProgramRun run = run_program(c.fit.program, with_data(c.data));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, c.out);
        std::vector<std::string> grid = split_lines(run.files[c.fit.grid]);
        ASSERT_EQ(grid.size(), c.grid_lines);
        EXPECT_EQ(grid.front(), c.first_grid_line);
        EXPECT_EQ(grid.back(), c.last_grid_line);

        ProgramRun longer = run_program(c.fit.program, with_data(c.data + "1e9 3\n7 not-a-number\n"));
        EXPECT_EQ(longer.out, c.out) << "pairs after the fixed count must be ignored";
        EXPECT_EQ(longer.files[c.fit.grid], run.files[c.fit.grid]);
    }
}

TEST(LifetimeFit, BadInvocationsAndDataFiles)
{
    struct BadCase {
        const char* name;
        Fit fit;
        ProgramCase run;
        int status;
        std::string err;
    };
    const std::string twelve = "5 1\n5 2\n5 3\n5 4\n5 5\n5 6\n5 7\n5 8\n5 9\n5 10\n5 11\n5 12\n";
    const BadCase cases[] = {
        {"no argument", meson, with_args({}), 0, "usage: meson_lifetime datafile\n"},
        {"no argument", lepton, with_args({}), 0, "usage: lepton_lifetime datafile\n"},
        {"missing file", meson, with_args({"absent.txt"}), 1,
         "meson_lifetime: cannot open absent.txt: No such file or directory\n"},
        {"twelve pairs", meson, with_data(twelve), 1,
         "meson_lifetime: data.txt holds only 12 of the 13 count-time pairs needed\n"},
        {"a count without its time", meson, with_data(twelve + "5"), 1,
         "meson_lifetime: data.txt holds only 12 of the 13 count-time pairs needed\n"},
        {"a word among the numbers", lepton, with_data("5 1\n5 2\n5 3\nfive 4\n"), 1,
         "lepton_lifetime: data.txt: not a number after 3 of the 26 count-time pairs needed\n"},
        {"short for the longer table", lepton, with_data(twelve + twelve), 1,
         "lepton_lifetime: data.txt holds only 24 of the 26 count-time pairs needed\n"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + ": " + c.name);
        ProgramRun run = run_program(c.fit.program, c.run);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        ASSERT_EQ(run.files.count(c.fit.grid), 1u) << "the grid file is made first";
        EXPECT_EQ(run.files[c.fit.grid], "");
    }

    ProgramCase blocked_case = with_data(meson_exact);
    blocked_case.dirs = {"piongrid.txt"};
    ProgramRun blocked = run_program("meson_lifetime", blocked_case);
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "meson_lifetime: cannot create piongrid.txt: Is a directory\n");
    EXPECT_EQ(blocked.out, "");
}

}  // namespace
