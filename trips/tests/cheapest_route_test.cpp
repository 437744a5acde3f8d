#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

ProgramCase with_files(const std::map<std::string, std::string>& files)
{
    ProgramCase c;
    c.files = files;
    return c;
}

const std::string first_legs = "sanfrancisco\tA\t1\nsanfrancisco\tB\t2\nsanfrancisco\tC\t3\n";
const std::string last_legs = "X\tnew_york\t5\nY\tnew_york\t40\nZ\tnew_york\t50\n";

ProgramRun run_route(const std::string& middle)
{
    return run_program("cheapest_route",
                       with_files({{"leg1.txt", first_legs}, {"leg2.txt", middle}, {"leg3.txt", last_legs}}));
}

TEST(CheapestRoute, TotalsAndChoice)
{
    struct Case {
        const char* what;
        std::string middle;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"route B-X totals 2 + 10 + 5",
         "A X 100\nA Y 90\nA Z 80\nB X 10\nB Y 70\nB Z 60\nC X 50\nC Y 40\nC Z 30\n",
         "Cost of shortest travel: 17\nCost of shortest travel: 58\nCost of shortest travel: 83\n"
         "Cost of shortest travel: 83\nCost of shortest travel: 106\nCost of shortest travel: 112\n"
         "Cost of shortest travel: 112\nCost of shortest travel: 131\nCost of shortest travel: 131\n"
         "Shortest distance: sanfrancisco to B to X to new_york",
         ""},
        {"equal lowest totals: the first in leg2.txt is named",
         "C Z 900\nB Y 5\nA Y 6\nC X 999\nA X 999\nB X 999\nA Z 999\nB Z 999\nC Y 999\n",
         "Cost of shortest travel: 47\nCost of shortest travel: 47\nCost of shortest travel: 953\n"
         "Cost of shortest travel: 1005\nCost of shortest travel: 1006\nCost of shortest travel: 1007\n"
         "Cost of shortest travel: 1042\nCost of shortest travel: 1050\nCost of shortest travel: 1051\n"
         "Shortest distance: sanfrancisco to B to Y to new_york",
         ""},
        {"no total below 100000 (one exactly 100000): route 0 is named",
         "C Z 99950\nB Y 100000\nA Y 200000\nC X 300000\nA X 99994\nB X 99998\nA Z 99999\nB Z 99999\nC Y 99999\n",
         "Cost of shortest travel: 100000\nCost of shortest travel: 100003\nCost of shortest travel: 100005\n"
         "Cost of shortest travel: 100042\nCost of shortest travel: 100042\nCost of shortest travel: 100050\n"
         "Cost of shortest travel: 100051\nCost of shortest travel: 200041\nCost of shortest travel: 300008\n"
         "Shortest distance: sanfrancisco to C to Z to new_york",
         ""},
        {"names differ in case or by a trailing character: left out",
         "a X 1\nA x 1\nA X. 1\nB Y 7\nA X 3\nA X 3\nA X 3\nA X 3\nA X 3\n",
         "Cost of shortest travel: 9\nCost of shortest travel: 9\nCost of shortest travel: 9\n"
         "Cost of shortest travel: 9\nCost of shortest travel: 9\nCost of shortest travel: 49\n"
         "Shortest distance: sanfrancisco to A to X to new_york",
         "cheapest_route: 3 of the 9 routes of leg2.txt do not join the other legs and are left out\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_route(c.middle);
        EXPECT_EQ(run.status, 0) << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
        EXPECT_EQ(run.out, c.out) << c.what;
    }
}

TEST(CheapestRoute, LaterFirstLegReplacesAndEveryLastLegAdds)
{
    const ProgramRun run = run_program(
        "cheapest_route",
        with_files({{"leg1.txt", "sanfrancisco A 1\nsanfrancisco A 20\nsanfrancisco B 300\n"},
                    {"leg2.txt", "A X 0\nB X 0\nA X 0\nB X 0\nA X 0\nB X 0\nA X 0\nB X 0\nA X 0\n"},
                    {"leg3.txt", "X new_york 4000\nX new_york 50000\nQ new_york 1\n"}}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(split_lines(run.out).front(), "Cost of shortest travel: 54020");
    EXPECT_NE(run.out.find("Cost of shortest travel: 54300\nShortest distance: sanfrancisco to A to X to new_york"),
              std::string::npos);
}

// The user's own cities, file names and counts: the cities named are those
// of the legs the cheapest route joins.
TEST(CheapestRoute, OwnLegsAndOptions)
{
    const std::string nine_routes =
        "A X 100\nA Y 90\nA Z 80\nB X 10\nB Y 70\nB Z 60\nC X 50\nC Y 40\nC Z 30\n";
    const std::string over_ceiling =
        "C Z 99950\nB Y 100000\nA Y 200000\nC X 300000\nA X 99994\nB X 99998\nA Z 99999\nB Z 99999\nC Y 99999\n";
    const std::string cost_lines = "Cost of shortest travel: 144\nCost of shortest travel: 144\n"
                                   "Cost of shortest travel: 150\n";
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::map<std::string, std::string> files;
        int status;
        std::string out;   // how standard output ends
        std::string err;
    };
    const Case cases[] = {
        {"boston to seattle from files of 2, 3 and 2 legs; equal totals name the first",
         {"--leg1", "out.txt", "--leg2=mid.txt", "--leg3", "in.txt", "--legs1", "2", "--legs2", "all", "--legs3",
          "all"},
         {{"out.txt", "boston chicago 50\nboston denver 60\n"},
          {"mid.txt", "chicago reno 40\ndenver reno 30\nchicago omaha 20\n"},
          {"in.txt", "reno seattle 54\nomaha seattle 80\n"}},
         0, cost_lines + "Shortest distance: boston to chicago to reno to seattle", ""},
        {"the start city is the one of the last matching first leg",
         {"--legs2", "1"},
         {{"leg1.txt", "boston A 1\nportland A 1\nsanfrancisco B 1\n"}, {"leg2.txt", "A X 7\n"},
          {"leg3.txt", last_legs}},
         0, "Cost of shortest travel: 13\nShortest distance: portland to A to X to new_york", ""},
        {"--legs2 3: the cheaper routes after the third are not read",
         {"--legs2", "3"},
         {{"leg1.txt", first_legs}, {"leg2.txt", nine_routes}, {"leg3.txt", last_legs}},
         0,
         "Cost of shortest travel: 106\nCost of shortest travel: 131\nCost of shortest travel: 131\n"
         "Shortest distance: sanfrancisco to A to X to new_york",
         ""},
        {"a higher --cost-ceiling lets the cheapest total of 100000 be chosen",
         {"--cost-ceiling", "1000000"},
         {{"leg1.txt", first_legs}, {"leg2.txt", over_ceiling}, {"leg3.txt", last_legs}},
         0, "Cost of shortest travel: 300008\nShortest distance: sanfrancisco to A to X to new_york", ""},
        {"route 0 named while it joins nothing: the cities of the first lines",
         {"--legs2", "2"},
         {{"leg1.txt", "boston A 1\nboston B 2\nboston C 3\n"}, {"leg2.txt", "Q Q 5\nA X 200000\n"},
          {"leg3.txt", "X seattle 5\nY seattle 6\nZ seattle 7\n"}},
         0, "Cost of shortest travel: 200006\nShortest distance: boston to Q to Q to seattle",
         "cheapest_route: 1 of the 2 routes of leg2.txt do not join the other legs and are left out\n"},
        {"--leg-name-max 8 skips a longer city name in the first or last legs",
         {"--leg-name-max", "8", "--legs1", "all"},
         {{"leg1.txt", "boston A 1\nsanfrancisco B 2\n"}, {"leg2.txt", nine_routes}, {"leg3.txt", last_legs}},
         0, "Cost of shortest travel: 131\nShortest distance: boston to A to X to new_york",
         "cheapest_route: leg1.txt: skipped 1 malformed line\n"
         "cheapest_route: 6 of the 9 routes of leg2.txt do not join the other legs and are left out\n"},
        {"--route-name-max 30 reads a stop name of 20 characters",
         {"--route-name-max", "30", "--legs1", "1", "--legs2", "1"},
         {{"leg1.txt", "sanfrancisco a_city_name_of_twenty 1\n"}, {"leg2.txt", "a_city_name_of_twenty X 2\n"},
          {"leg3.txt", last_legs}},
         0, "Cost of shortest travel: 8\nShortest distance: sanfrancisco to a_city_name_of_twenty to X to new_york",
         ""},
        {"--legs1 2 on a file of 1 leg", {"--legs1", "2"},
         {{"leg1.txt", "sanfrancisco A 1\n"}, {"leg2.txt", nine_routes}, {"leg3.txt", last_legs}},
         1, "", "cheapest_route: leg1.txt holds only 1 of the 2 legs needed\n"},
        {"--legs3 all on a file without a leg", {"--legs3", "all", "--leg3", "none.txt"},
         {{"leg1.txt", first_legs}, {"leg2.txt", nine_routes}, {"none.txt", "\n"}},
         1, "", "cheapest_route: none.txt holds no legs\n"},
    };
    for (const Case& c : cases) {
        ProgramCase pc = with_files(c.files);
        pc.args = c.args;
        const ProgramRun run = run_program("cheapest_route", pc);
        EXPECT_EQ(run.status, c.status) << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
        if (c.status != 0) {
            EXPECT_EQ(run.out, "") << c.what;
        }
        const std::size_t tail = std::min(run.out.size(), c.out.size());
        EXPECT_EQ(run.out.substr(run.out.size() - tail), c.out) << c.what;
    }
}

TEST(CheapestRoute, BadLegFiles)
{
    struct Case {
        const char* what;
        std::string middle;
        bool with_leg2;
        std::string err;
    };
    const Case cases[] = {
        {"missing leg file", "A X 1\n", false, "cheapest_route: cannot open leg2.txt: No such file or directory\n"},
        {"too few legs", "A X 1\nA Y 2\n", true, "cheapest_route: leg2.txt holds only 2 of the 9 legs needed\n"},
        {"a name longer than 19 characters, a missing cost and a word too many are skipped",
         "A X 1\nA Y 2\nA Z 3\nB X 4\nB Y 5\nB Z 6\nC X 7\nC Y 8\nC abcdefghijklmnopqrst 9\nC Z\nC Z 9 10\n",
         true,
         "cheapest_route: leg2.txt: skipped 3 malformed lines\n"
         "cheapest_route: leg2.txt holds only 8 of the 9 legs needed\n"},
        {"no route joins", "Q Q 1\nQ Q 1\nQ Q 1\nQ Q 1\nQ Q 1\nQ Q 1\nQ Q 1\nQ Q 1\nQ Q 1\n", true,
         "cheapest_route: no route of leg2.txt joins a leg of leg1.txt to a leg of leg3.txt\n"},
    };
    for (const Case& c : cases) {
        ProgramCase pc = with_files({{"leg1.txt", first_legs}, {"leg3.txt", last_legs}});
        if (c.with_leg2)
            pc.files["leg2.txt"] = c.middle;
        const ProgramRun run = run_program("cheapest_route", pc);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
    }
}

}  // namespace
