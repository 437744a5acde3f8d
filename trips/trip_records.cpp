#include "trips/trip_records.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/command_line.h"
#include "common/errors.h"
#include "common/files.h"

namespace {

// Wide enough for a velocity or distance line of any int and any double
// (DBL_MAX has 309 integer digits).
constexpr std::size_t line_buffer_size = 400;

}  // namespace

bool split_time_stamp(const std::string& stamp, ClockTime& time)
{
    std::vector<char> buffer(stamp.begin(), stamp.end());
    buffer.push_back('\0');
    // The date before "T" is cut off and never read: all fixes count as one day.
    if (!std::strtok(buffer.data(), "T"))
        return false;
    const char* hour = std::strtok(nullptr, ":");
    if (!hour)
        return false;
    const char* minute = std::strtok(nullptr, ":");
    if (!minute)
        return false;
    // The second runs up to the "+" of the zone; a zone with a minus sign stays
    // in the token and the conversion stops before it.
    const char* second = std::strtok(nullptr, "+");
    if (!second)
        return false;
    // atoi itself: the conversion stops at the first non-digit.
    time.hour = static_cast<int>(std::strtol(hour, nullptr, 10));
    time.minute = static_cast<int>(std::strtol(minute, nullptr, 10));
    time.second = static_cast<int>(std::strtol(second, nullptr, 10));
    return true;
}

int seconds_of_day(const ClockTime& time)
{
    std::uint32_t s = static_cast<std::uint32_t>(time.hour) * 3600u +
                      static_cast<std::uint32_t>(time.minute) * 60u +
                      static_cast<std::uint32_t>(time.second);
    return static_cast<int>(s);
}

LineKind scan_trip_record(const std::string& line, TripRecord& record)
{
    std::vector<std::string> words = split_words(line);
    if (words.empty())
        return LineKind::blank;
    TripRecord r{};
    if (words.size() != 4 || !word_to_int(words[0], r.ride) ||
        words[1].size() > time_stamp_max || !split_time_stamp(words[1], r.time) ||
        !word_to_double(words[2], r.first) || !word_to_double(words[3], r.second))
        return LineKind::malformed;
    record = r;
    return LineKind::record;
}

bool next_trip_record(std::istream& in, TripRecord& record, long& skipped)
{
    auto scan = [&record](const std::string& line) { return scan_trip_record(line, record); };
    return next_record(in, scan, skipped);
}

RideTable read_rides(std::istream& in, long capacity)
{
    if (capacity == all_records)
        capacity = LONG_MAX;
    RideTable table;
    TripRecord record{};
    TripRecord previous{};
    while (next_trip_record(in, record, table.skipped)) {
        const int now = seconds_of_day(record.time);
        const bool kept = table.rides_seen <= capacity;
        if (table.rides_seen > 0 && record.ride == previous.ride) {
            if (kept) {
                const double d1 = record.first - previous.first;
                const double d2 = record.second - previous.second;
                Ride& ride = table.rides.back();
                ride.path_length += std::sqrt(d1 * d1 + d2 * d2);
                ride.last_time = now;
            }
        } else {
            ++table.rides_seen;
            if (table.rides_seen <= capacity)
                table.rides.push_back(Ride{0.0, now, now});
        }
        previous = record;
    }
    return table;
}

int ride_duration(const Ride& ride)
{
    return static_cast<int>(static_cast<std::uint32_t>(ride.last_time) -
                            static_cast<std::uint32_t>(ride.first_time));
}

LineKind scan_velocity_record(const std::string& line, VelocityRecord& record)
{
    std::vector<std::string> words = split_words(line);
    if (words.empty())
        return LineKind::blank;
    VelocityRecord r{};
    if (words.size() != 2 || !word_to_int(words[0], r.ride) || !word_to_double(words[1], r.velocity))
        return LineKind::malformed;
    record = r;
    return LineKind::record;
}

bool next_velocity_record(std::istream& in, VelocityRecord& record, long& skipped)
{
    auto scan = [&record](const std::string& line) { return scan_velocity_record(line, record); };
    return next_record(in, scan, skipped);
}

void write_velocity_record(std::ostream& out, int ride, double velocity)
{
    char line[line_buffer_size];
    std::snprintf(line, sizeof line, "%d  %.15lf \n", ride, velocity);
    out << line;
}

void write_distance_record(std::ostream& out, int ride, double path_length)
{
    char line[line_buffer_size];
    std::snprintf(line, sizeof line, "Ride # %d:  %lf meters \n", ride, path_length);
    out << line;
}

RideTable read_trip_file(const char* name, long max_rides)
{
    std::ifstream in = open_input(name);
    const RideTable table = read_rides(in, max_rides);
    check_read(in, name);
    report_skipped(name, table.skipped);
    if (table.rides_seen > static_cast<long>(table.rides.size()))
        warn("%s holds %ld rides; only the first %zu are kept", name, table.rides_seen, table.rides.size());
    return table;
}
