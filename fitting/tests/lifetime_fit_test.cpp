// The two lifetime fits on planted decay tables and on bad invocations and
// data files; the grid-wide edge cases are in lifetime_fit_slow_test.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "fitting/lifetime_fit.h"
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
        {"a mistyped name", meson, with_args({"mydecay31.txt"}), 1,
         "meson_lifetime: cannot open mydecay31.txt: No such file or directory\n"},
        {"twelve pairs", meson, with_data(twelve), 1,
         "meson_lifetime: data.txt holds only 12 of the 13 count-time pairs needed\n"},
        {"a count without its time", meson, with_data(twelve + "5"), 1,
         "meson_lifetime: data.txt holds only 12 of the 13 count-time pairs needed\n"},
        {"a word among the numbers", lepton, with_data("5 1\n5 2\n5 3\nfive 4\n"), 1,
         "lepton_lifetime: data.txt: not a number after 3 of the 26 count-time pairs needed\n"},
        {"short for the longer table", lepton, with_data(twelve + twelve), 1,
         "lepton_lifetime: data.txt holds only 24 of the 26 count-time pairs needed\n"},
    };
    const std::string earlier_grid = "5.49\t37\t3.458e-08\n";
    for (const BadCase& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + ": " + c.name);
        ProgramCase with_earlier = c.run;
        with_earlier.files[c.fit.grid] = earlier_grid;
        ProgramRun run = run_program(c.fit.program, with_earlier);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.files[c.fit.grid], earlier_grid) << "the grid file is made only after the data";
    }
}

// The middle of every band line of --interval.
const std::string within = ", chi-square within 1 of its minimum from ";

// Noise-free counts n0 exp(-t / tau) at t = first, first + step, ... in the
// file's unit, six digits as a user's table would hold them.
std::string decays(double n0, double tau, double first, double step, int bins)
{
    std::string text;
    for (int k = 0; k < bins; ++k) {
        const double t = first + k * step;
        char line[64];
        std::snprintf(line, sizeof line, "%g %g\n", n0 * std::exp(-t / tau), t);
        text += line;
    }
    return text;
}

TEST(LifetimeFit, OptionsFitTheUsersDecays)
{
    struct OptionCase {
        const char* name;
        Fit fit;
        std::vector<std::string> options;
        std::string data;
        std::string n0;        // the best point printed
        std::string tau;
        std::string err;
        std::string deviate = "";   // checked when given
        std::string grid = "";      // the grid file written, when checked
        size_t grid_lines = 0;
    };
    const std::string n0_edge = "meson_lifetime: best N0 99.9 is on the edge of the grid; widen it with "
                                "--n0-step or --points\n";
    const std::string tau_edge = "meson_lifetime: best tau 1.2987e-07 s is on the edge of the grid; widen "
                                 "it with --tau-step or --points\n";
    const std::string n0_500 = decays(500, 26, 2, 4, 13);
    const std::string tau_300 = decays(50, 300, 20, 40, 13);
    const std::string twenty = decays(50, 26, 2, 4, 20);
    const OptionCase cases[] = {
        {"N0 = 500 beyond the default grid", meson, {}, n0_500, "99.9", "1.2987e-07", n0_edge + tau_edge},
        {"N0 = 500 on a wider grid", meson, {"--n0-step", "1"}, n0_500, "500", "2.6e-08", ""},
        {"tau = 300 ns beyond the default grid", meson, {}, tau_300, "75.9", "1.2987e-07", tau_edge},
        {"tau = 300 ns on a wider grid", meson, {"--tau-first=1e-9", "--tau-step", "1e-9"}, tau_300, "50",
         "3e-07", ""},
        {"20 records, 13 fitted", meson, {}, twenty, "50", "2.6e-08",
         "meson_lifetime: fitted the first 13 of the 20 count-time pairs of data.txt; --records all fits "
         "them all\n"},
        // All 20 fitted: the deviate's offset becomes sqrt(2 x 20 - 1).
        {"20 records, all fitted", meson, {"--records", "all"}, twenty, "50", "2.6e-08", "", "-6.24498"},
        {"20 records, 20 fitted", meson, {"--records", "20"}, twenty, "50", "2.6e-08", "", "-6.24498"},
        {"times in ns", lepton, {"--time-unit", "1e-9"}, decays(90, 2100.1, 100, 400, 26), "90",
         "2.1001e-06", ""},
        // Every point of a 10 x 10 grid inside an open band, in another file.
        {"small grid, whole band", lepton,
         {"--points", "10", "--band-low", "-1", "--band-high", "1e300", "--grid", "band.txt"}, lepton_exact,
         "1.35", "5.41e-08",
         "lepton_lifetime: best N0 1.35 is on the edge of the grid; widen it with --n0-step or --points\n"
         "lepton_lifetime: best tau 5.41e-08 s is on the edge of the grid; widen it with --tau-step or "
         "--points\n",
         "", "band.txt", 100},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + ": " + c.name);
        ProgramCase run_case = with_data(c.data);
        run_case.args.insert(run_case.args.begin(), c.options.begin(), c.options.end());
        ProgramRun run = run_program(c.fit.program, run_case);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, c.err);
        std::vector<std::string> fields;
        for (size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = run.out.find_first_of("\t\n", start);
            if (tab != std::string::npos)
                fields.push_back(run.out.substr(start, tab - start));
        }
        ASSERT_EQ(fields.size(), 4u) << run.out;
        EXPECT_EQ(fields[1], c.n0);
        EXPECT_EQ(fields[2], c.tau);
        if (!c.deviate.empty()) {
            EXPECT_EQ(fields[3], c.deviate);
        }
        if (!c.grid.empty()) {
            EXPECT_EQ(count_lines(run.files[c.grid]), c.grid_lines);
            EXPECT_EQ(run.files.count(c.fit.grid), 0u);
        }
    }
}

// Both branches (series below a + 1, continued fraction above) for whole and
// half-integer a = dof / 2, against closed forms and the 5% point of one dof.
TEST(ChiSquareTail, KnownValues)
{
    const struct {
        double chi_square;
        long dof;
        double p;
    } cases[] = {
        {2, 2, std::exp(-1.0)}, {10, 10, 0.4404932850652124}, {1, 1, std::erfc(std::sqrt(0.5))},
        {3.841458820694124, 1, 0.05}, {100, 4, 51 * std::exp(-50.0)}, {0, 7, 1}, {1e7, 11, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(chi_square_tail(c.chi_square, c.dof), c.p, 1e-12 * c.p) << c.chi_square << ", " << c.dof;
}

TEST(ProfileInterval, CrossingsAndEdges)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::vector<double> chi_square;   // at the values 0, 1, 2, ...
        int best;
        Interval band;
    } cases[] = {
        {{9, 4, 0, 1, 4}, 2, {1.75, 3.0, false, false}},   // interpolated; a rise of exactly 1 is inside
        {{0.5, 0, 3}, 1, {0.0, 4.0 / 3.0, true, false}},
        {{9, 0}, 1, {8.0 / 9.0, 1.0, false, true}},         // the far end is not this side's edge
        {{inf, 0, 5, 0.5}, 1, {1.0, 1.2, false, false}},    // no number, and a second dip, stay out
    };
    for (const auto& c : cases) {
        Profile profile{{}, c.chi_square};
        for (size_t k = 0; k < c.chi_square.size(); ++k)
            profile.value.push_back(static_cast<double>(k));
        const Interval band = profile_interval(profile, c.best, 1.0);
        EXPECT_DOUBLE_EQ(band.low, c.band.low) << c.chi_square[0];
        EXPECT_DOUBLE_EQ(band.high, c.band.high) << c.chi_square[0];
        EXPECT_EQ(band.low_at_edge, c.band.low_at_edge) << c.chi_square[0];
        EXPECT_EQ(band.high_at_edge, c.band.high_at_edge) << c.chi_square[0];
    }
}

// The clean tables' bands hold the planted 26 ns, N0 50 and 2.1001 us, N0 90;
// standard output and the grid file stay those of a run without --interval.
TEST(LifetimeFit, IntervalLines)
{
    const struct {
        const char* name;
        Fit fit;
        std::vector<std::string> options;
        std::string data;
        std::string err;
    } cases[] = {
        {"clean", meson, {}, meson_exact,
         "meson_lifetime: tau 2.6e-08 s" + within + "2.25998e-08 to 3.02948e-08 s\n"
         "meson_lifetime: N0 50" + within + "44.2558 to 56.0134\n"
         "meson_lifetime: chi-square 2.52601e-10 over 11 degrees of freedom (2.29637e-11 each), p-value 1\n"},
        {"clean", lepton, {}, lepton_exact,
         "lepton_lifetime: tau 2.1001e-06 s" + within + "1.95492e-06 to 2.254e-06 s\n"
         "lepton_lifetime: N0 90" + within + "83.2259 to 96.9874\n"
         "lepton_lifetime: chi-square 1.96812e-10 over 24 degrees of freedom (8.20048e-12 each), "
         "p-value 1\n"},
        {"two pairs", meson, {"--records=2"}, meson_exact,
         "meson_lifetime: tau 2.6e-08 s" + within + "9.72136e-09 to 1.2987e-07 (the grid's edge) s\n"
         "meson_lifetime: N0 50" + within + "39.369 to 64.5515\n"
         "meson_lifetime: chi-square 5.45578e-11 over 0 degrees of freedom: no p-value\n"},
        {"nothing beats the start", meson, {}, "1e10 5\n" + decays(0, 1, 1e6, 0, 12),
         "meson_lifetime: no grid point beats the starting chi-square 1e+07: no interval\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + ": " + c.name);
        ProgramCase plain = with_data(c.data);
        plain.args.insert(plain.args.begin(), c.options.begin(), c.options.end());
        ProgramCase asked = plain;
        asked.args.insert(asked.args.begin(), "--interval=1");
        const ProgramRun without = run_program(c.fit.program, plain);
        const ProgramRun run = run_program(c.fit.program, asked);
        EXPECT_EQ(run.out, without.out);
        EXPECT_EQ(run.files, without.files);
        EXPECT_EQ(run.err, without.err + c.err);
    }
}

}  // namespace
