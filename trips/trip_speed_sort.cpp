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

constexpr ProgramUsage usage{
    "", "The mean velocity of every ride in uber.tsv, written in ride order; after the Enter\n"
        "key the list is rewritten sorted by velocity, slowest first.\n"
        "Reads uber.tsv and standard input; writes rides.txt."};

// Exchange sort, slowest first. Only a strictly greater velocity moves down,
// so equal velocities keep their file order; a NaN never compares greater and
// nothing compares greater than it, so it stays where the passes leave it.
void sort_by_velocity(std::vector<VelocityRecord>& rides)
{
    const int n = static_cast<int>(rides.size());
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n - 1 - j; ++i) {
            if (rides[i].velocity > rides[i + 1].velocity)
                std::swap(rides[i], rides[i + 1]);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    const RideTable table = read_trip_file();

    std::printf("Outputting unsorted velocities to 'rides.txt'. The first column is the ride number, "
                "the second is the velocity. \n");
    std::ofstream unsorted = open_output(velocity_file_name);
    int number = 0;
    for (const Ride& ride : table.rides) {
        // A one-fix ride gives 0/0 (nan), one with no time between its ends
        // inf, one over midnight a negative velocity: all are written.
        const double velocity = ride.path_length / static_cast<double>(ride_duration(ride));
        write_velocity_record(unsorted, ++number, velocity);
    }
    // Whole on disk before the wait, so the unsorted list can be looked at.
    close_output(unsorted, velocity_file_name);
    std::fflush(stdout);

    std::getchar();

    std::ifstream written = open_input(velocity_file_name);
    std::vector<VelocityRecord> rides;
    VelocityRecord ride{};
    long skipped = 0;
    long extra = 0;
    while (next_velocity_record(written, ride, skipped)) {
        if (static_cast<int>(rides.size()) < ride_table_size)
            rides.push_back(ride);
        else
            ++extra;
    }
    check_read(written, velocity_file_name);
    written.close();
    report_skipped(velocity_file_name, skipped);
    if (extra > 0)
        warn("%s holds %ld velocities; only the first %d are sorted", velocity_file_name,
             static_cast<long>(rides.size()) + extra, ride_table_size);

    sort_by_velocity(rides);

    std::ofstream sorted = open_output(velocity_file_name);
    for (const VelocityRecord& r : rides)
        write_velocity_record(sorted, r.ride, r.velocity);
    close_output(sorted, velocity_file_name);
    return 0;
}
