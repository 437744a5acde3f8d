// trip_lengths: the path length of every ride in uber.tsv, the sum of the
// straight steps between its fixes, written to rides.txt in ride order from 0.
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "trips/trip_records.h"

namespace {
const char* trips_name = trip_file_name;
const char* output_name = distance_file_name;
long max_rides = ride_table_size;
const Options options = {
    {"trips", &trips_name, "", "trip records read: ride, time stamp, two coordinates"},
    {"output", &output_name, "", "distance list written, one ride a line"},
    {"max-rides", &max_rides, "", "rides kept, the first ones; more are reported and dropped",
     count_or_all(1)},
};
constexpr ProgramUsage usage{
    "", "The path length of every ride in uber.tsv, the sum of the straight steps between\n"
        "its fixes.\n"
        "Reads uber.tsv (--trips); writes rides.txt (--output)."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const RideTable table = read_trip_file(trips_name, max_rides);

    std::ofstream out = open_output(output_name);
    int k = 0;
    for (const Ride& ride : table.rides)
        write_distance_record(out, k++, ride.path_length);
    close_output(out, output_name);
    return 0;
}
