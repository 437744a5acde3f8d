#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

const char* const curve_files[] = {"saw1.txt", "saw3.txt", "saw5.txt", "saw30.txt"};

const ProgramRun& sawtooth_run()
{
    static const ProgramRun run = run_program("sawtooth_series", {});
    return run;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> f;
    size_t start = 0, tab;
    while ((tab = line.find('\t', start)) != std::string::npos) {
        f.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    f.push_back(line.substr(start));
    return f;
}

TEST(SawtoothSeries, WritesThirtyErrorsAndFourCurvesOf101Points)
{
    const ProgramRun& run = sawtooth_run();
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    std::vector<std::string> rms = split_lines(run.files.at("rmsaw.txt"));
    ASSERT_EQ(rms.size(), 30u);
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(rms[n - 1].substr(0, rms[n - 1].find(' ') + 1), std::to_string(n) + " ");
    EXPECT_EQ(rms.front(), "1 0.190851");
    EXPECT_EQ(rms.back(), "30 0.123108");
    for (const char* name : curve_files) {
        std::vector<std::string> lines = split_lines(run.files.at(name));
        ASSERT_EQ(lines.size(), 101u) << name;
        EXPECT_EQ(lines[0], "0\t0\t0.5") << name;
        EXPECT_EQ(fields(lines[100])[0], "10") << name;
    }
}

TEST(SawtoothSeries, AccumulatedGridFallsAcrossTheJumps)
{
    // Exact value at the points near t = 2, 4, 6, 8, 10; the partial sums sit
    // at the midpoint of the jump there.
    const struct {
        int line;
        const char* exact;
    } jumps[] = {{20, "2.22045e-16"}, {40, "8.88178e-16"}, {60, "1"}, {80, "1"}, {100, "1"}};
    for (const char* name : curve_files) {
        std::vector<std::string> lines = split_lines(sawtooth_run().files.at(name));
        for (auto jump : jumps) {
            std::vector<std::string> f = fields(lines[jump.line]);
            EXPECT_EQ(f[1], jump.exact) << name << " line " << jump.line;
            EXPECT_NEAR(std::atof(f[2].c_str()), 0.5, 1e-9) << name << " line " << jump.line;
        }
    }
    // One harmonic at t = 0.5: 1/2 - sin(pi/2)/pi.
    EXPECT_EQ(split_lines(sawtooth_run().files.at("saw1.txt"))[5], "0.5\t0.25\t0.18169");
}

TEST(SawtoothSeries, UncreatableOutputFailsBeforeComputing)
{
    ProgramRun run = run_program("sawtooth_series", {{}, {}, {"saw5.txt"}, ""});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "sawtooth_series: cannot create saw5.txt: Is a directory\n");
    EXPECT_EQ(run.files["rmsaw.txt"], "");
}

}  // namespace
