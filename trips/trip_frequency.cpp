// trip_frequency: counts the fixes of uber.tsv by hour of the day and the
// velocities of rides.txt (written by trip_speed_sort) by velocity band, and
// prints both counts as text histograms.
#include <cstdio>
#include <fstream>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "trips/trip_records.h"

namespace {

constexpr int hours_per_day = 24;
constexpr int top_velocity = 45;
constexpr int regular_bands = 10;
// Integer division: the bands are 4 wide, not 4.5, so the regular bands stop
// at 40 and the last band, which takes every other value, reads [40 to 44].
constexpr int band_width = top_velocity / regular_bands;
constexpr ProgramUsage usage{
    "", "Counts the position fixes of uber.tsv by hour of the day and the velocities of\n"
        "rides.txt (written by trip_speed_sort) by band, and prints both as histograms.\n"
        "Reads uber.tsv and rides.txt; writes no file."};

int velocity_band(double velocity)
{
    for (int k = 0; k < regular_bands; ++k) {
        if (velocity >= band_width * k && velocity < band_width * (k + 1))
            return k;
    }
    // 40 and above, negative, infinite or not a number.
    return regular_bands;
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::ifstream trips = open_input(trip_file_name);
    std::ifstream velocities = open_input(velocity_file_name);

    int rides_per_hour[hours_per_day] = {};
    TripRecord record{};
    long skipped_trips = 0;
    while (next_trip_record(trips, record, skipped_trips)) {
        if (record.time.hour >= 0 && record.time.hour < hours_per_day)
            ++rides_per_hour[record.time.hour];
    }
    check_read(trips, trip_file_name);
    report_skipped(trip_file_name, skipped_trips);

    std::printf("===Histogram of Ride Frequency Per Hour===\n");
    std::printf("[Hour] [#Occurances]\n");
    for (int h = 0; h < hours_per_day; ++h)
        std::printf("[%d] [%d]\n", h, rides_per_hour[h]);

    int rides_per_band[regular_bands + 1] = {};
    VelocityRecord ride{};
    long skipped_rides = 0;
    long found = 0;
    while (next_velocity_record(velocities, ride, skipped_rides)) {
        ++rides_per_band[velocity_band(ride.velocity)];
        ++found;
    }
    check_read(velocities, velocity_file_name);
    if (found == 0 && skipped_rides > 0)
        warn("%s holds no velocities: skipped %ld line%s that %s not 'ride velocity' "
             "(a distance list of trip_lengths?)", velocity_file_name, skipped_rides,
             skipped_rides == 1 ? "" : "s", skipped_rides == 1 ? "is" : "are");
    else
        report_skipped(velocity_file_name, skipped_rides);

    std::printf("===Histogram of Velocity Frequency Distribution===\n");
    std::printf("This histogram includes less #Occurances because a max of 1000 velocity values were scanned.\n");
    std::printf("[Velocity] [#Occurances]\n");
    for (int k = 0; k <= regular_bands; ++k)
        std::printf("[%d to %d]  [%d]\n", band_width * k, band_width * (k + 1), rides_per_band[k]);
    return 0;
}
