// trip_lengths: the path length of every ride in uber.tsv, the sum of the
// straight steps between its fixes, written to rides.txt in ride order from 0.
#include <cstdio>
#include <fstream>

#include "common/files.h"
#include "common/command_line.h"
#include "trips/trip_records.h"

namespace {
// Wide enough for "Ride # %d:  %lf meters \n" of any int and any double.
constexpr std::size_t line_buffer_size = 400;
constexpr ProgramUsage usage{
    "", "The path length of every ride in uber.tsv, the sum of the straight steps between\n"
        "its fixes.\n"
        "Reads uber.tsv; writes rides.txt."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    const RideTable table = read_trip_file();

    std::ofstream out = open_output(velocity_file_name);
    int k = 0;
    for (const Ride& ride : table.rides) {
        char line[line_buffer_size];
        std::snprintf(line, sizeof line, "Ride # %d:  %lf meters \n", k++, ride.path_length);
        out << line;
    }
    close_output(out, velocity_file_name);
    return 0;
}
