// trip_frequency: counts the fixes of uber.tsv by hour of the day and the
// velocities of rides.txt (written by trip_speed_sort) by velocity band, and
// prints both counts as text histograms.
#include <cstdio>
#include <fstream>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "trips/trip_records.h"

namespace {

constexpr int hours_per_day = 24;
const char* trips_name = trip_file_name;
const char* rides_name = velocity_file_name;
int top_velocity = 45;
int regular_bands = 10;
const Options options = {
    {"trips", &trips_name, "", "trip records read: ride, time stamp, two coordinates"},
    {"rides", &rides_name, "", "velocity file read: ride, velocity"},
    {"top-velocity", &top_velocity, "m/s",
     "top of the regular velocity bands; each is top / bands wide, rounded down", between(1, 1000000000)},
    {"bands", &regular_bands, "", "regular velocity bands; one more takes every other velocity",
     between(1, 1000000)},
};
constexpr ProgramUsage usage{
    "", "Counts the position fixes of uber.tsv by hour of the day and the velocities of\n"
        "rides.txt (written by trip_speed_sort) by band, and prints both as histograms.\n"
        "Reads uber.tsv (--trips) and rides.txt (--rides); writes no file."};

int velocity_band(double velocity, int band_width)
{
    for (int k = 0; k < regular_bands; ++k) {
        if (velocity >= band_width * k && velocity < band_width * (k + 1))
            return k;
    }
    // The top of the regular bands (40) and above, negative, infinite or not
    // a number.
    return regular_bands;
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    // Integer division: the bands are 4 wide, not 4.5, so the regular bands
    // stop at 40 and the last band, which takes every other value, reads
    // [40 to 44].
    const int band_width = top_velocity / regular_bands;
    if (band_width == 0)
        die("--top-velocity: '%d' must be at least --bands (%d)", top_velocity, regular_bands);
    std::ifstream trips = open_input(trips_name);
    std::ifstream velocities = open_input(rides_name);

    int rides_per_hour[hours_per_day] = {};
    TripRecord record{};
    long skipped_trips = 0;
    while (next_trip_record(trips, record, skipped_trips)) {
        if (record.time.hour >= 0 && record.time.hour < hours_per_day)
            ++rides_per_hour[record.time.hour];
    }
    check_read(trips, trips_name);
    report_skipped(trips_name, skipped_trips);

    std::printf("===Histogram of Ride Frequency Per Hour===\n");
    std::printf("[Hour] [#Occurances]\n");
    for (int h = 0; h < hours_per_day; ++h)
        std::printf("[%d] [%d]\n", h, rides_per_hour[h]);

    std::vector<int> rides_per_band(regular_bands + 1, 0);
    VelocityRecord ride{};
    long skipped_rides = 0;
    long found = 0;
    while (next_velocity_record(velocities, ride, skipped_rides)) {
        ++rides_per_band[velocity_band(ride.velocity, band_width)];
        ++found;
    }
    check_read(velocities, rides_name);
    if (found == 0 && skipped_rides > 0)
        warn("%s holds no velocities: skipped %ld line%s that %s not 'ride velocity' "
             "(a distance list of trip_lengths?)", rides_name, skipped_rides,
             skipped_rides == 1 ? "" : "s", skipped_rides == 1 ? "is" : "are");
    else
        report_skipped(rides_name, skipped_rides);

    std::printf("===Histogram of Velocity Frequency Distribution===\n");
    std::printf("This histogram includes less #Occurances because a max of 1000 velocity values were scanned.\n");
    std::printf("[Velocity] [#Occurances]\n");
    for (int k = 0; k <= regular_bands; ++k)
        std::printf("[%d to %d]  [%d]\n", band_width * k, band_width * (k + 1), rides_per_band[k]);
    return 0;
}
