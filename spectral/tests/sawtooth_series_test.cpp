#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
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

TEST(SawtoothSeries, FewerHarmonicsOnAFinerShorterGridInAFolderOfTheirOwn)
{
    // Four harmonics: curves for 1, 3 and 4, each 0, 0.05, ... up to 5 (the
    // accumulated grid ends at 4.9999999999999902, written as 5).
    char folder[] = "/tmp/sawtooth_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const ProgramRun run = run_program(
        "sawtooth_series", {{"--harmonics", "4", "--step", "0.05", "--end", "5", "--output-dir", folder}, {}, {}, ""});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_TRUE(run.files.empty());
    std::map<std::string, std::vector<std::string>> written;
    for (const char* name : {"rmsaw.txt", "saw1.txt", "saw3.txt", "saw4.txt", "saw5.txt", "saw30.txt"}) {
        const std::string path = std::string(folder) + "/" + name;
        if (std::FILE* f = std::fopen(path.c_str(), "r")) {
            std::fclose(f);
            written[name] = split_lines(read_file(path));
            std::remove(path.c_str());
        }
    }
    rmdir(folder);
    ASSERT_EQ(written.size(), 4u);
    ASSERT_EQ(written["rmsaw.txt"].size(), 4u);
    EXPECT_EQ(written["rmsaw.txt"][3].substr(0, 2), "4 ");
    for (const char* name : {"saw1.txt", "saw3.txt", "saw4.txt"}) {
        ASSERT_EQ(written[name].size(), 101u) << name;
        EXPECT_EQ(written[name][0], "0\t0\t0.5") << name;
        EXPECT_EQ(fields(written[name][100])[0], "5") << name;
    }
    // At t = 0.5: 1/2 - (1/pi - 1/(3 pi)) = 1/2 - 2/(3 pi) with 3 or 4 harmonics.
    EXPECT_EQ(written["saw4.txt"][10], "0.5\t0.25\t0.287793");
    EXPECT_EQ(written["saw3.txt"][10], "0.5\t0.25\t0.287793");
}

TEST(SawtoothSeries, UncreatableOutputFailsBeforeComputing)
{
    ProgramRun run = run_program("sawtooth_series", {{}, {}, {"saw5.txt"}, ""});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "sawtooth_series: cannot create saw5.txt: Is a directory\n");
    EXPECT_EQ(run.files["rmsaw.txt"], "");
}

}  // namespace
