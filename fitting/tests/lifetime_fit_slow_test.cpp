// Whole-grid edge cases of the two lifetime fits: ties, searches where
// nothing beats the starting chi-square, and the strict band edges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

struct Fit {
    const char* program;
    const char* grid;
    int records;
};

const Fit meson{"meson_lifetime", "piongrid.txt", 13};
const Fit lepton{"lepton_lifetime", "muongrid.txt", 26};

// "count time" lines: the given ones, then zero counts at a time so late that
// the model has underflowed to 0 there for every tau of the grid.
std::string table(const Fit& fit, std::vector<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    for (int i = static_cast<int>(lines.size()); i < fit.records; ++i)
        text += "0 1e6\n";
    return text;
}

ProgramRun fit_on(const Fit& fit, const std::string& data)
{
    ProgramCase c;
    c.args = {"data.txt"};
    c.files = {{"data.txt", data}};
    return run_program(fit.program, c);
}

TEST(LifetimeFitGrid, TiesGoToTheLastPointAndNothingBelowKeepsTheStart)
{
    struct ResultCase {
        const char* name;
        Fit fit;
        std::string data;
        std::string out;
        bool empty_grid;
    };
    const ResultCase cases[] = {
        // Chi-square 0 on the whole first N0 column and, with the model
        // underflowed at tau = 1e-15 s, on the whole first tau row.
        {"tie on the first tau row", meson,
         "0 1\n0 2\n0 3\n0 4\n0 5\n0 6\n0 7\n0 8\n0 9\n0 10\n0 11\n0 12\n0 13\n",
         "0\t99.9\t1e-15\t-5\n", false},
        {"tie everywhere", meson, table(meson, {}), "0\t99.9\t1.2987e-07\t-5\n", true},
        {"tie everywhere", lepton, table(lepton, {}), "0\t149.85\t5.9941e-06\t-7.14143\n", true},
        {"NaN everywhere", meson, table(meson, {"-1 5"}), "1e+07\t1000\t1000\t4467.14\n", true},
        {"NaN everywhere", lepton, table(lepton, {"-1 5"}), "1e+07\t1000\t1000\t4464.99\n", true},
        {"all above the start", meson, table(meson, {"1e10 5"}), "1e+07\t1000\t1000\t4467.14\n", true},
        {"all above the start", lepton, table(lepton, {"1e10 5"}), "1e+07\t1000\t1000\t4464.99\n", true},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + ": " + c.name);
        ProgramRun run = fit_on(c.fit, c.data);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
        if (c.empty_grid) {
            EXPECT_EQ(run.files[c.fit.grid], "");
        }
    }
}

// Lines of the grid file at N0 = 0, where the chi-square is the same for
// every tau: the t = 0 record gives n1^2 / s1^2, the late one n2^2 / s2^2.
size_t lines_at_zero_n0(const std::string& grid)
{
    size_t n = 0;
    for (const std::string& line : split_lines(grid))
        n += line.find("\t0\t") != std::string::npos;
    return n;
}

TEST(LifetimeFitGrid, BandIsStrictOnBothSides)
{
    struct EdgeCase {
        Fit fit;
        const char* counts;   // n1 at t = 0, then n2 late
        size_t lines;
    };
    const EdgeCase cases[] = {
        {meson, "9.3382783037994166 0\n1.8070152233198398 1e6", 0},      // exactly 5.48338
        {meson, "9.3382783037994166 0\n1.8070152233198415 1e6", 1000},   // just above it
        {meson, "9.3382783037994166 0\n1.8545065308504576 1e6", 0},      // exactly 5.50338
        {meson, "9.3382783037994166 0\n1.8545065308504558 1e6", 1000},   // just below it
        {lepton, "50.139356087242568 0\n2.0197441618240632 1e6", 0},     // exactly 38.5747
        {lepton, "50.139356087242568 0\n2.0197441618240792 1e6", 1000},
        {lepton, "50.139356087242568 0\n2.0650396960951585 1e6", 0},     // exactly 38.5947
        {lepton, "50.139356087242568 0\n2.0650396960951563 1e6", 1000},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(std::string(c.fit.program) + " " + c.counts);
        ProgramRun run = fit_on(c.fit, table(c.fit, {c.counts}));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(lines_at_zero_n0(run.files[c.fit.grid]), c.lines);
    }
}

}  // namespace
