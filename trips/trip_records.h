// The trip record file uber.tsv (ride, time stamp, two coordinates, one fix a
// line), its grouping into rides, the velocity file rides.txt that
// trip_speed_sort writes and trip_frequency reads back, and the distance list
// of trip_lengths. Every reader works on a stream, so it runs as well on a
// file as on a buffer.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "trips/record_lines.h"

// The default names of the files and the default size of the rides tables of
// trip_speed_sort and trip_lengths. The distance list takes the velocity
// file's name, so trip_lengths overwrites the velocities of trip_speed_sort.
constexpr const char* trip_file_name = "uber.tsv";
constexpr const char* velocity_file_name = "rides.txt";
constexpr const char* distance_file_name = "rides.txt";
constexpr long ride_table_size = 1000;

// Longest time-stamp word kept; a longer one makes its record malformed.
constexpr std::size_t time_stamp_max = 255;

struct ClockTime {
    int hour;
    int minute;
    int second;
};

// Cuts "dateThh:mm:ss+zone" with strtok at "T", ":", ":", "+" and converts the
// hour, minute and second tokens as atoi does ("07-08" gives 7). False when
// one of the four tokens cannot be cut.
bool split_time_stamp(const std::string& stamp, ClockTime& time);

// hour * 3600 + minute * 60 + second in 32-bit arithmetic (wrapping).
int seconds_of_day(const ClockTime& time);

struct TripRecord {
    int ride;          // ride identifier
    ClockTime time;    // clock part of the time stamp; the date is not used
    double first;      // coordinates, metres
    double second;
};

// One line of uber.tsv: four words, a ride identifier, a time stamp of at most
// time_stamp_max characters that splits, two numbers.
LineKind scan_trip_record(const std::string& line, TripRecord& record);

// Reads lines up to the next record; malformed lines are counted in skipped,
// blank ones pass silently. False at end of input.
bool next_trip_record(std::istream& in, TripRecord& record, long& skipped);

struct Ride {
    double path_length;   // sum of the straight steps between its fixes
    int first_time;       // seconds of day of its first fix
    int last_time;        // seconds of day of its last fix
};

struct RideTable {
    std::vector<Ride> rides;   // the first rides in the order they open, at most the capacity
    long rides_seen = 0;       // every ride in the file, also those past the capacity
    long skipped = 0;          // malformed lines
};

// Groups the records into rides: a ride is a maximal run of consecutive
// records with one identifier, so an identifier that comes back opens a new
// ride. The first record always opens one. A capacity of all_records keeps
// every ride.
RideTable read_rides(std::istream& in, long capacity);

// Last time minus first time, in 32-bit arithmetic (wrapping).
int ride_duration(const Ride& ride);

struct VelocityRecord {
    int ride;
    double velocity;
};

// One line of rides.txt: a ride number and a velocity.
LineKind scan_velocity_record(const std::string& line, VelocityRecord& record);

// As next_trip_record, for rides.txt.
bool next_velocity_record(std::istream& in, VelocityRecord& record, long& skipped);

// Writes "%d  %.15lf \n".
void write_velocity_record(std::ostream& out, int ride, double velocity);

// Writes "Ride # %d:  %lf meters \n", a line of the distance list.
void write_distance_record(std::ostream& out, int ride, double path_length);

// The rides of the named trip record file, at most max_rides of them (every
// one when it is all_records); dies when the file cannot be opened or read.
// One line on standard error for malformed lines and one for rides past the
// table, which are dropped.
RideTable read_trip_file(const char* name, long max_rides);
