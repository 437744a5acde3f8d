#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

using Files = std::map<std::string, std::string>;

ProgramCase with_files(const Files& files, const std::string& input = "")
{
    ProgramCase c;
    c.files = files;
    c.input = input;
    return c;
}

// One line of uber.tsv at the given clock time.
std::string fix(const std::string& ride, const std::string& clock, double first, double second)
{
    return ride + "\t2014-04-01T" + clock + "+00:00\t" + std::to_string(first) + "\t" +
           std::to_string(second) + "\n";
}

const std::string unsorted_note =
    "Outputting unsorted velocities to 'rides.txt'. The first column is the ride number, "
    "the second is the velocity. \n";

const std::string velocity_head =
    "===Histogram of Velocity Frequency Distribution===\n"
    "This histogram includes less #Occurances because a max of 1000 velocity values were scanned.\n"
    "[Velocity] [#Occurances]\n";

std::string band_lines(const std::vector<int>& counts)
{
    std::string s;
    for (int k = 0; k <= 10; ++k)
        s += "[" + std::to_string(4 * k) + " to " + std::to_string(4 * k + 4) + "]  [" +
             std::to_string(counts[k]) + "]\n";
    return s;
}

std::string hour_lines(const std::vector<int>& counts)
{
    std::string s = "===Histogram of Ride Frequency Per Hour===\n[Hour] [#Occurances]\n";
    for (int h = 0; h < 24; ++h)
        s += "[" + std::to_string(h) + "] [" + std::to_string(counts[h]) + "]\n";
    return s;
}

TEST(TripSpeedSort, VelocitiesUnsortedThenSorted)
{
    const std::string rides =
        fix("00001", "10:00:00", 0, 0) + fix("00001", "10:00:10", 30, 40) +    // 50 m in 10 s
        fix("3", "23:59:50", 0, 0) + fix("3", "00:00:10", 0, 120) +           // over midnight
        fix("4", "12:00:00", 0, 0) + fix("4", "12:00:00", 1, 0) +             // no time: inf
        fix("1", "13:00:00", 0, 0) + fix("1", "13:00:02", 10, 0) +            // 1 again: a tie
        fix("5", "14:00:00", 0, 0) + fix("5", "14:00:03", 1, 0);              // the last ride counts
    struct Case {
        std::string uber;
        std::string sorted;
    };
    const Case cases[] = {
        {rides,
         "2  -0.001389210465386 \n5  0.333333333333333 \n1  5.000000000000000 \n"
         "4  5.000000000000000 \n3  inf \n"},
        // A one-fix ride is 0/0; nothing compares greater than it or than
        // which it is greater, so the exchanges stop at it.
        {fix("1", "10:00:00", 0, 0) + fix("1", "10:00:10", 30, 40) + fix("2", "11:00:00", 5, 5) + rides,
         "1  5.000000000000000 \n2  " + invalid_nan + " \n4  -0.001389210465386 \n7  0.333333333333333 \n"
         "3  5.000000000000000 \n6  5.000000000000000 \n5  inf \n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program("trip_speed_sort", with_files({{"uber.tsv", c.uber}}, "\n"));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, unsorted_note);
        EXPECT_EQ(run.files.at("rides.txt"), c.sorted);
    }
}

TEST(TripSpeedSort, EmptyMissingAndTooLarge)
{
    ProgramRun run = run_program("trip_speed_sort", with_files({{"uber.tsv", ""}}, "x"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.files.at("rides.txt"), "");

    run = run_program("trip_speed_sort", with_files({}, "\n"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "trip_speed_sort: cannot open uber.tsv: No such file or directory\n");
    EXPECT_EQ(run.files.count("rides.txt"), 0u);

    // A key never comes (end of input): the sorting pass still runs.
    std::string many;
    for (int ride = 1; ride <= 1003; ++ride)
        many += fix(std::to_string(ride), "1:00:00", 0, 0) + fix(std::to_string(ride), "1:00:01", ride % 7, 0);
    run = run_program("trip_speed_sort", with_files({{"uber.tsv", many + "garbage\n"}}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "trip_speed_sort: uber.tsv: skipped 1 malformed line\n"
              "trip_speed_sort: uber.tsv holds 1003 rides; only the first 1000 are kept\n");
    const std::vector<std::string> lines = split_lines(run.files.at("rides.txt"));
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front(), "7  0.000000000000000 ");
    EXPECT_EQ(lines.back(), "1000  6.000000000000000 ");
}

// Own file names and a ride limit: the first rides are kept, the rest named
// on standard error, and the default files are neither read nor made.
TEST(TripSpeedSort, NamedFilesAndRideLimit)
{
    std::string five;
    for (int ride = 1; ride <= 5; ++ride)
        five += fix(std::to_string(ride), "1:00:00", 0, 0) + fix(std::to_string(ride), "1:00:02", 6 - ride, 0);
    ProgramCase c = with_files({{"day.tsv", five}, {"uber.tsv", "garbage\n"}}, "\n");
    c.args = {"--trips", "day.tsv", "--rides", "speeds.txt", "--max-rides", "3"};
    ProgramRun run = run_program("trip_speed_sort", c);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "trip_speed_sort: day.tsv holds 5 rides; only the first 3 are kept\n");
    EXPECT_EQ(run.out, "Outputting unsorted velocities to 'speeds.txt'. The first column is the ride number, "
                       "the second is the velocity. \n");
    EXPECT_EQ(run.files.count("rides.txt"), 0u);
    EXPECT_EQ(run.files.at("speeds.txt"), "3  1.500000000000000 \n2  2.000000000000000 \n1  2.500000000000000 \n");

    // Without a limit every ride is kept, in the default rides.txt.
    c.args = {"--trips=day.tsv", "--max-rides=all"};
    run = run_program("trip_speed_sort", c);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(count_lines(run.files.at("rides.txt")), 5u);

    std::string many;
    for (int ride = 1; ride <= 1003; ++ride)
        many += fix(std::to_string(ride), "1:00:00", 0, 0);
    run = run_program("trip_lengths", with_files({{"uber.tsv", many}}));
    EXPECT_EQ(count_lines(run.files.at("rides.txt")), 1000u);
    c = with_files({{"uber.tsv", many}});
    c.args = {"--max-rides", "all", "--output", "lengths.txt"};
    run = run_program("trip_lengths", c);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.files.count("rides.txt"), 0u);
    EXPECT_EQ(split_lines(run.files.at("lengths.txt")).back(), "Ride # 1002:  0.000000 meters ");
    c = with_files({{"day.tsv", five}});
    c.args = {"--trips", "day.tsv", "--max-rides", "2"};
    run = run_program("trip_lengths", c);
    EXPECT_EQ(run.err, "trip_lengths: day.tsv holds 5 rides; only the first 2 are kept\n");
    EXPECT_EQ(run.files.at("rides.txt"), "Ride # 0:  5.000000 meters \nRide # 1:  4.000000 meters \n");
}

TEST(TripFrequency, HourAndBandEdges)
{
    const std::string uber = fix("1", "00:00:00", 0, 0) + fix("1", "23:59:59", 0, 0) +
                             fix("2", "24:00:00", 0, 0) + fix("2", "-1:00:00", 0, 0) +
                             fix("3", "07:30:00", 0, 0) + "3\t2014-04-01T07:31:00-08:00\t0\t0\n" +
                             "3\t2014-04-01T07\t0\t0\n";
    const std::string rides =
        "1  0.000000000000000 \n2  3.999999999999999 \n3  4.000000000000000 \n"
        "4  39.999999999999993 \n5  40.000000000000000 \n6  -0.000000000000001 \n"
        "7  inf \n8  -inf \n9  nan \n10  -nan \n\n11  4.5 \n";
    const ProgramRun run = run_program("trip_frequency", with_files({{"uber.tsv", uber}, {"rides.txt", rides}}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "trip_frequency: uber.tsv: skipped 1 malformed line\n");
    std::vector<int> hours(24, 0);
    hours[0] = 1;
    hours[7] = 2;
    hours[23] = 1;
    EXPECT_EQ(run.out, hour_lines(hours) + velocity_head + band_lines({2, 2, 0, 0, 0, 0, 0, 0, 0, 1, 6}));
}

TEST(TripFrequency, VelocityFileProblems)
{
    // Every velocity counts, far past 1000.
    std::string many;
    for (int i = 1; i <= 1500; ++i)
        many += std::to_string(i) + "  " + std::to_string(i % 3 * 10) + " \n";
    ProgramRun run = run_program("trip_frequency", with_files({{"uber.tsv", ""}, {"rides.txt", many}}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, hour_lines(std::vector<int>(24, 0)) + velocity_head +
                           band_lines({500, 0, 500, 0, 0, 500, 0, 0, 0, 0, 0}));

    // The distance list of trip_lengths: no velocities, no hang.
    const std::string distances = "Ride # 0:  1.000000 meters \nRide # 1:  2.000000 meters \n";
    run = run_program("trip_frequency", with_files({{"uber.tsv", ""}, {"rides.txt", distances}}));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.err, "trip_frequency: rides.txt holds no velocities: skipped 2 lines that are not "
                       "'ride velocity' (a distance list of trip_lengths?)\n");
    EXPECT_EQ(run.out, hour_lines(std::vector<int>(24, 0)) + velocity_head + band_lines(std::vector<int>(11, 0)));

    run = run_program("trip_frequency", with_files({{"uber.tsv", fix("1", "01:00:00", 0, 0)}}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "trip_frequency: cannot open rides.txt: No such file or directory\n");
}

// Bands of another width and number, from files of other names.
TEST(TripFrequency, OwnBandsAndFiles)
{
    ProgramCase c = with_files({{"day.tsv", fix("1", "05:00:00", 0, 0)},
                                {"speeds.txt", "1  0 \n2  29.9 \n3  30 \n4  89.9 \n5  90 \n6  -1 \n"}});
    c.args = {"--trips", "day.tsv", "--rides", "speeds.txt", "--top-velocity", "91", "--bands", "3"};
    const ProgramRun run = run_program("trip_frequency", c);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::vector<int> hours(24, 0);
    hours[5] = 1;
    EXPECT_EQ(run.out, hour_lines(hours) + velocity_head +
                           "[0 to 30]  [2]\n[30 to 60]  [1]\n[60 to 90]  [1]\n[90 to 120]  [2]\n");
}

TEST(TripLengths, DistanceList)
{
    struct Case {
        std::string uber;
        std::string rides;
    };
    const Case cases[] = {
        {"", ""},
        {fix("1", "10:00:00", 2, 3), "Ride # 0:  0.000000 meters \n"},
        {fix("1", "10:00:00", 0, 0) + fix("1", "10:00:01", 0, 0) + fix("1", "10:00:02", 3, 4) +
             fix("2", "10:00:00", 0, 0) + fix("2", "10:00:09", 0.25, 0) + fix("1", "11:00:00", 9, 9),
         "Ride # 0:  5.000000 meters \nRide # 1:  0.250000 meters \nRide # 2:  0.000000 meters \n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program("trip_lengths", with_files({{"uber.tsv", c.uber}}));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.files.at("rides.txt"), c.rides) << c.uber;
    }
    // No uber.tsv, or a directory in its place: an earlier rides.txt survives.
    for (const char* blocked : {"", "uber.tsv"}) {
        ProgramCase c = with_files({{"rides.txt", "kept\n"}});
        if (*blocked)
            c.dirs = {blocked};
        const ProgramRun run = run_program("trip_lengths", c);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, *blocked ? "trip_lengths: cannot read uber.tsv: Is a directory\n"
                                    : "trip_lengths: cannot open uber.tsv: No such file or directory\n");
        EXPECT_EQ(run.files.at("rides.txt"), "kept\n");
    }
}

}  // namespace
