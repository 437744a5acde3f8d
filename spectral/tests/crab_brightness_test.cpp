#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/constants.h"
#include "tests/program_runner.h"

namespace {

constexpr int samples = 148282;

// A time whose phase, folded on the frequency, lies mid-bin b after `turns`
// whole radians of phase (negative turns give negative times).
double time_in_bin(int b, int turns, double frequency = 30.2452)
{
    return ((b + 0.5) * 6.0 / 180.0 * pi + turns) / (two_pi * frequency);
}

// Crab.dat with the given pairs first, padded with zeros at t = 0 (bin 0,
// adding nothing) to the full count, then the extra pairs, which are ignored.
std::string crab_file(const std::vector<std::pair<double, double>>& first,
                      const std::vector<std::pair<double, double>>& extra = {})
{
    std::string text;
    char line[64];
    for (auto [t, y] : first) {
        std::snprintf(line, sizeof line, "%.17g %.17g\n", t, y);
        text += line;
    }
    for (size_t i = first.size(); i < samples; ++i)
        text += "0 0\n";
    for (auto [t, y] : extra) {
        std::snprintf(line, sizeof line, "%.17g %.17g\n", t, y);
        text += line;
    }
    return text;
}

// The lines of lightcrab.txt, 70 by default, with the given bins set and all
// others 0.
std::string light_curve(const std::map<int, std::string>& set, int bins = 70)
{
    std::string text;
    for (int b = 0; b < bins; ++b)
        text += std::to_string(b) + "\t" + (set.count(b) ? set.at(b) : "0") + "\n";
    return text;
}

TEST(CrabBrightness, KthSampleOfABinIsWeightedOneOverK)
{
    ProgramRun run = run_program("crab_brightness", {{}, {{"Crab.dat", crab_file(
        {{time_in_bin(2, 0), 5.0},
         {time_in_bin(4, 1), 6.0}, {time_in_bin(4, 3), 4.0},
         {time_in_bin(7, 0), 6.0}, {time_in_bin(7, 2), 4.0}, {time_in_bin(7, 9), 9.0},
         {time_in_bin(9, -3), 2.5}},
        {{time_in_bin(5, 0), 7.0}})}}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0.0330631\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.files["lightcrab.txt"], light_curve({{2, "5"}, {4, "8"}, {7, "11"}, {9, "2.5"}}));
}

TEST(CrabBrightness, AUsersLightCurveFoldedOnItsOwnFrequency)
{
    // Four pairs folded at 10 into 8 bins: bin 9 lies past the last written.
    std::string curve;
    char line[64];
    for (auto [b, turns, y] : {std::tuple{2, 0, 5.0}, {7, 4, 6.0}, {7, 1, 4.0}, {9, 2, 1.0}}) {
        std::snprintf(line, sizeof line, "%.17g %.17g\n", time_in_bin(b, turns, 10.0), y);
        curve += line;
    }
    ProgramRun run = run_program("crab_brightness",
                                 {{"--input", "mine.dat", "--samples", "all", "--frequency", "10", "--bins",
                                   "8", "--output", "folded.txt"},
                                  {{"mine.dat", curve}}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0.1\n");
    EXPECT_EQ(run.err, "crab_brightness: mine.dat: 1 sample(s) in phase bins past the last written left out\n");
    EXPECT_EQ(run.files.size(), 2u);
    EXPECT_EQ(run.files["folded.txt"], light_curve({{2, "5"}, {7, "8"}}, 8));
}

TEST(CrabBrightness, TimeTooLargeToFoldIsLeftOutAndReported)
{
    ProgramRun run = run_program("crab_brightness",
                                 {{}, {{"Crab.dat", crab_file({{1e307, 100.0}, {time_in_bin(3, 0), 2.0}})}}, {}, ""});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "crab_brightness: Crab.dat: 1 sample(s) with a time too large to fold left out\n");
    EXPECT_EQ(run.files["lightcrab.txt"], light_curve({{3, "2"}}));
}

TEST(CrabBrightness, MissingOrShortInputFailsAndKeepsEarlierOutput)
{
    struct Case {
        std::map<std::string, std::string> files;
        std::string out, err;
    } cases[] = {
        {{{"lightcrab.txt", "old\n"}}, "",
         "crab_brightness: cannot open Crab.dat: No such file or directory\n"},
        {{{"lightcrab.txt", "old\n"}, {"Crab.dat", "0 1\n0.5 2\n0.75\n"}}, "",
         "crab_brightness: Crab.dat holds only 2 of the 148282 time-value pairs needed\n"},
        {{{"lightcrab.txt", "old\n"}, {"Crab.dat", "0 1\n0.5 x\n"}}, "",
         "crab_brightness: Crab.dat: not a number after 1 of the 148282 time-value pairs needed\n"},
    };
    for (const Case& c : cases) {
        ProgramRun run = run_program("crab_brightness", {{}, c.files, {}, ""});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.files["lightcrab.txt"], "old\n");
    }
}

}  // namespace
