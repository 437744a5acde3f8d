#include <gtest/gtest.h>

#include <map>
#include <string>

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
