#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

// Photon pairs 300 units either side of the axis with equal energies; the
// energies were chosen so that the computed mass is exactly the one named.
const std::string mass_120 = "300 0 543.32310828824507 -300 0 543.32310828824507\n";
const std::string just_below_120 = "300 0 543.32310828824495 -300 0 543.32310828824495\n";
const std::string just_below_150 = "0 300 679.15388536030616 0 -300 679.15388536030616\n";
const std::string mass_150 = "0 300 679.15388536030628 0 -300 679.15388536030628\n";
const std::string mass_135_5 = "300 0 613.50234310881001 -300 0 613.50234310881001\n";
const std::string on_axis = "0 0 500 0 0 500\n";   // opening angle 0: mass 0

// 481X2t.txt: the given events, padded with on-axis events to 100.
std::string events_file(const std::vector<std::string>& events, int total = 100)
{
    std::string text;
    for (const std::string& e : events)
        text += e;
    for (int i = static_cast<int>(events.size()); i < total; ++i)
        text += on_axis;
    return text;
}

TEST(AngleHistogram, WritesOccupiedBins120To149)
{
    const struct {
        const char* what;
        std::vector<std::string> events;
        const char* expected;
    } cases[] = {
        {"all on the axis", {}, ""},
        {"bin edges", {mass_120, just_below_120, just_below_150, mass_150, mass_135_5, mass_135_5},
         "120\t1\n135\t2\n149\t1\n"},
        {"masses beyond the histogram",
         {"300 0 -600 -300 0 600\n", "300 0 2000 -300 0 2000\n", "300 0 1e200 -300 0 1e200\n",
          mass_135_5},
         "135\t1\n"},
    };
    for (const auto& c : cases) {
        const std::string input = events_file(c.events);
        ProgramRun run = run_program("angle_histogram", {{}, {{"481X2t.txt", input}}, {}, ""});
        EXPECT_EQ(run.status, 0) << c.what;
        EXPECT_EQ(run.out + run.err, "") << c.what;
        EXPECT_EQ(run.files["481X2T.txt"], c.expected) << c.what;
        EXPECT_EQ(run.files["481X2t.txt"], input) << c.what;
    }
}

TEST(AngleHistogram, AUsersEventsOnANearerPlane)
{
    // Hits half as far out on a plane half as far away: the same angles, so
    // the same masses, from a file of three events read whole.
    const std::string events = "150 0 543.32310828824507 -150 0 543.32310828824507\n"
                               "150 0 613.50234310881001 -150 0 613.50234310881001\n"
                               "0 0 500 0 0 500\n";
    ProgramRun run = run_program("angle_histogram",
                                 {{"--input", "pairs.txt", "--events", "all", "--distance", "1350",
                                   "--output", "masses.txt"},
                                  {{"pairs.txt", events}}, {}, ""});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.files.size(), 2u);
    EXPECT_EQ(run.files["masses.txt"], "120\t1\n135\t1\n");
}

TEST(AngleHistogram, MissingOrShortInputFailsAndKeepsEarlierOutput)
{
    const std::vector<std::string> all = {"--events", "all"};
    const struct {
        std::vector<std::string> args;
        std::map<std::string, std::string> files;
        const char* err;
    } cases[] = {
        {{}, {}, "angle_histogram: cannot open 481X2t.txt: No such file or directory\n"},
        {{}, {{"481X2t.txt", events_file({}, 99) + "1 2 3"}},
         "angle_histogram: 481X2t.txt holds only 99 of the 100 events needed\n"},
        {{}, {{"481X2t.txt", events_file({}, 4) + "1 2 x"}},
         "angle_histogram: 481X2t.txt: not a number after 4 of the 100 events needed\n"},
        // Every event of the file: it must end after a whole one, and hold one.
        {all, {{"481X2t.txt", events_file({}, 99) + "1 2 3"}},
         "angle_histogram: 481X2t.txt ends inside a record, after 99 whole events\n"},
        {all, {{"481X2t.txt", events_file({}, 4) + "1 2 x 4 5 6\n"}},
         "angle_histogram: 481X2t.txt: not a number after 4 events\n"},
        {all, {{"481X2t.txt", " \n"}}, "angle_histogram: 481X2t.txt holds only 0 of the 1 events needed\n"},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> files = c.files;
        files["481X2T.txt"] = "old\n";
        ProgramRun run = run_program("angle_histogram", {c.args, files, {}, ""});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.files["481X2T.txt"], "old\n");
    }
}

}  // namespace
