// trip_speed_sort: the mean velocity of every ride in uber.tsv (path length
// over duration), written to rides.txt in ride order; after the Enter key,
// rides.txt is rewritten sorted by velocity, slowest first.
#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "trips/trip_records.h"

namespace {

const char* trips_name = trip_file_name;
const char* rides_name = velocity_file_name;
long max_rides = ride_table_size;
const Options options = {
    {"trips", &trips_name, "", "trip records read: ride, time stamp, two coordinates"},
    {"rides", &rides_name, "", "velocity file written, read back and rewritten sorted"},
    {"max-rides", &max_rides, "", "rides kept and sorted, the first ones; more are reported and dropped",
     count_or_all(1)},
};
constexpr ProgramUsage usage{
    "", "The mean velocity of every ride in uber.tsv, written in ride order; after the Enter\n"
        "key the list is rewritten sorted by velocity, slowest first.\n"
        "Reads uber.tsv (--trips) and standard input; writes rides.txt (--rides)."};

// Exchange sort, slowest first. Only a strictly greater velocity moves down,
// so equal velocities keep their file order; a NaN never compares greater and
// nothing compares greater than it, so it stays where the passes leave it.
void sort_by_velocity(std::vector<VelocityRecord>& rides)
{
    const long n = static_cast<long>(rides.size());
    for (long j = 0; j < n; ++j) {
        for (long i = 0; i < n - 1 - j; ++i) {
            if (rides[i].velocity > rides[i + 1].velocity)
                std::swap(rides[i], rides[i + 1]);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const RideTable table = read_trip_file(trips_name, max_rides);

    std::printf("Outputting unsorted velocities to '%s'. The first column is the ride number, "
                "the second is the velocity. \n", rides_name);
    std::ofstream unsorted = open_output(rides_name);
    int number = 0;
    for (const Ride& ride : table.rides) {
        // A one-fix ride gives 0/0 (nan), one with no time between its ends
        // inf, one over midnight a negative velocity: all are written.
        const double velocity = ride.path_length / static_cast<double>(ride_duration(ride));
        write_velocity_record(unsorted, ++number, velocity);
    }
    // Whole on disk before the wait, so the unsorted list can be looked at.
    close_output(unsorted, rides_name);
    std::fflush(stdout);

    std::getchar();

    std::ifstream written = open_input(rides_name);
    std::vector<VelocityRecord> rides;
    VelocityRecord ride{};
    long skipped = 0;
    long extra = 0;
    while (next_velocity_record(written, ride, skipped)) {
        if (max_rides == all_records || static_cast<long>(rides.size()) < max_rides)
            rides.push_back(ride);
        else
            ++extra;
    }
    check_read(written, rides_name);
    written.close();
    report_skipped(rides_name, skipped);
    if (extra > 0)
        warn("%s holds %ld velocities; only the first %zu are sorted", rides_name,
             static_cast<long>(rides.size()) + extra, rides.size());

    sort_by_velocity(rides);

    std::ofstream sorted = open_output(rides_name);
    for (const VelocityRecord& r : rides)
        write_velocity_record(sorted, r.ride, r.velocity);
    close_output(sorted, rides_name);
    return 0;
}
