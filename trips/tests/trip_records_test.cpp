#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "common/command_line.h"
#include "trips/route_legs.h"
#include "trips/trip_records.h"

namespace {

TEST(TimeStamp, SplitsAtTColonColonPlus)
{
    struct Case {
        const char* stamp;
        bool ok;
        int hour, minute, second, seconds;
    };
    const Case cases[] = {
        {"2014-04-01T23:59:59+00:00", true, 23, 59, 59, 86399},
        {"2014-04-01T00:00:00+00:00", true, 0, 0, 0, 0},
        {"2014-04-01T05:09:07+00:00", true, 5, 9, 7, 18547},
        // Leading zeros are decimal, not octal: 08 and 09 are eight and nine.
        {"2014-04-01T08:09:08+00:00", true, 8, 9, 8, 29348},
        {"2014-04-01T09:08:09+00:00", true, 9, 8, 9, 32889},
        // A zone with a minus sign stays in the second's token; atoi stops at it.
        {"2014-04-01T07:05:07-08:00", true, 7, 5, 7, 25507},
        {"2014-04-01T10:00:30", true, 10, 0, 30, 36030},
        {"2014-04-01T24:00:00+00:00", true, 24, 0, 0, 86400},
        {"2014-04-01Tab:-3:x+00:00", true, 0, -3, 0, -180},
        {"2014-04-01", false, 0, 0, 0, 0},
        {"2014-04-01T10:00", false, 0, 0, 0, 0},
        {"2014-04-01T10:00:", false, 0, 0, 0, 0},
        // strtok skips the leading T: the whole clock becomes the date.
        {"T10:00:00+00:00", false, 0, 0, 0, 0},
        {"2014-04-01T10::30+00", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ClockTime t{-1, -1, -1};
        ASSERT_EQ(split_time_stamp(c.stamp, t), c.ok) << c.stamp;
        if (!c.ok)
            continue;
        EXPECT_EQ(t.hour, c.hour) << c.stamp;
        EXPECT_EQ(t.minute, c.minute) << c.stamp;
        EXPECT_EQ(t.second, c.second) << c.stamp;
        EXPECT_EQ(seconds_of_day(t), c.seconds) << c.stamp;
    }
}

TEST(TripRecord, LineLayout)
{
    const std::string stamp = "2014-04-01T10:20:30+00:00";
    struct Case {
        std::string line;
        LineKind kind;
        int ride;
        double first, second;
    };
    const Case cases[] = {
        {"1\t" + stamp + "\t1.5\t-2", LineKind::record, 1, 1.5, -2},
        {"00301 " + stamp + "  +7  1e3\r", LineKind::record, 301, 7, 1000},
        {"+5\t" + stamp + "\t0\t0", LineKind::record, 5, 0, 0},
        {"-2\t" + stamp + "\t0\t0", LineKind::record, -2, 0, 0},
        {"", LineKind::blank, 0, 0, 0},
        {" \t \r", LineKind::blank, 0, 0, 0},
        {"1\t" + stamp + "\t1.5", LineKind::malformed, 0, 0, 0},
        {"1\t" + stamp + "\t1.5\t2\t3", LineKind::malformed, 0, 0, 0},
        {"x\t" + stamp + "\t1\t2", LineKind::malformed, 0, 0, 0},
        {"1.5\t" + stamp + "\t1\t2", LineKind::malformed, 0, 0, 0},
        {"0x10\t" + stamp + "\t1\t2", LineKind::malformed, 0, 0, 0},
        {"2147483648\t" + stamp + "\t1\t2", LineKind::malformed, 0, 0, 0},
        {"1\t" + stamp + "\t1,5\t2", LineKind::malformed, 0, 0, 0},
        {"1\t" + stamp + "\t-\t2", LineKind::malformed, 0, 0, 0},
        {"1\t2014-04-01T10:20\t1\t2", LineKind::malformed, 0, 0, 0},
        {"1\t" + std::string(time_stamp_max - 5, '9') + "T1:2:3\t1\t2", LineKind::malformed, 0, 0, 0},
        {"1\t" + std::string(time_stamp_max - 6, '9') + "T1:2:3\t1\t2", LineKind::record, 1, 1, 2},
    };
    for (const Case& c : cases) {
        TripRecord r{};
        ASSERT_EQ(scan_trip_record(c.line, r), c.kind) << c.line;
        if (c.kind != LineKind::record)
            continue;
        EXPECT_EQ(r.ride, c.ride) << c.line;
        EXPECT_EQ(r.first, c.first) << c.line;
        EXPECT_EQ(r.second, c.second) << c.line;
    }
    TripRecord r{};
    ASSERT_EQ(scan_trip_record("1 " + stamp + " inf nan", r), LineKind::record);
    EXPECT_TRUE(std::isinf(r.first));
    EXPECT_TRUE(std::isnan(r.second));
}

TEST(Rides, GroupingByConsecutiveIdentifiers)
{
    std::istringstream in(
        "7\tD1T10:00:00+0\t0\t0\n"
        "7\tD1T10:00:10+0\t3\t4\n"
        "\n"                                   // a blank line does not end the ride
        "7\tD1T10:00:20+0\t3\t4\n"             // standing still adds nothing
        "not a record\n"
        "8\tD1T23:59:59+0\t1\t1\n"
        "8\tD2T00:00:09+0\t1\t2\n"             // over midnight: the time falls back
        "7\tD1T11:00:00+0\t9\t9\n"             // 7 comes back: a new ride
        "7\tD1T11:00:05+0\t9\t10");            // last line without a newline
    const RideTable t = read_rides(in, ride_table_size);
    EXPECT_EQ(t.skipped, 1);
    EXPECT_EQ(t.rides_seen, 3);
    ASSERT_EQ(t.rides.size(), 3u);
    EXPECT_EQ(t.rides[0].path_length, 5.0);
    EXPECT_EQ(ride_duration(t.rides[0]), 20);
    EXPECT_EQ(t.rides[1].path_length, 1.0);
    EXPECT_EQ(ride_duration(t.rides[1]), 9 - 86399);
    EXPECT_EQ(t.rides[2].path_length, 1.0);
    EXPECT_EQ(t.rides[2].first_time, 39600);
    EXPECT_EQ(ride_duration(t.rides[2]), 5);
}

TEST(Rides, GarbageEndsWithoutARide)
{
    std::istringstream in(std::string("\x01\x02 \xff\0abc\n\n\t\n-\n", 14));
    const RideTable t = read_rides(in, ride_table_size);
    EXPECT_EQ(t.rides_seen, 0);
    EXPECT_EQ(t.skipped, 2);
}

TEST(LegFile, ReadsUpToTheLastLegNeeded)
{
    const std::string text = "A B 1\n\nA B\nlong_name C 2\nC D 3\n \nC D x\n";
    struct Case {
        long count;
        std::size_t legs;
        long skipped;   // lines after the last leg kept are not looked at
    };
    const Case cases[] = {{1, 1, 0}, {2, 2, 2}, {3, 2, 3}, {all_records, 2, 3}};
    for (const Case& c : cases) {
        std::istringstream in(text);
        const LegFile file = read_legs(in, LegLayout{4, 4}, c.count);
        ASSERT_EQ(file.legs.size(), c.legs) << c.count;
        EXPECT_EQ(file.skipped, c.skipped) << c.count;
        EXPECT_EQ(file.legs.back().cost, c.legs == 1 ? 1 : 3) << c.count;
    }
}

}  // namespace
