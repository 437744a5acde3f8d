// uber.tsv: a day of city rides as position fixes, and leg1.txt, leg2.txt,
// leg3.txt: air fares for a journey from sanfrancisco to new_york over two
// stops.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/constants.h"
#include "sample_data/sample_data.h"

namespace {

constexpr int seconds_per_day = 86400;

// Rides of one day, one fix every few seconds, positions in metres on a city
// grid. Start times follow a daily demand: a morning peak, a larger evening
// peak, late-night rides (some run past midnight) and a steady background.
constexpr int rides = 400;
constexpr double city_size = 20000.0;          // metres, side of the square
constexpr double city_origin = 1000.0;         // south-west corner
constexpr double median_duration = 600.0;      // seconds
constexpr double min_duration = 120.0;
constexpr double max_duration = 3600.0;
constexpr int min_fix_interval = 3;            // seconds
constexpr int max_fix_interval = 6;
constexpr double city_speed = 8.0;             // median cruising speed, m/s
constexpr double highway_speed = 24.0;
constexpr double highway_share = 0.15;
constexpr double stop_chance = 0.1;            // per step: waiting at a light
constexpr double heading_wander = 0.15;        // radians per step
constexpr double gps_noise = 2.0;              // metres per coordinate

struct DemandPeak {
    double share;      // of all rides, cumulative
    double hour;       // centre
    double width;      // hours
};
constexpr DemandPeak demand[] = {
    {0.30, 8.5, 1.2},    // morning commute
    {0.70, 18.5, 2.0},   // evening commute and dinner
    {0.85, 23.0, 1.5},   // night out
};

// Air fares: a base price and a price per great-circle kilometre, varied a
// little per flight.
constexpr double fare_base = 40.0;             // dollars
constexpr double fare_per_km = 0.11;
constexpr double fare_spread = 0.1;            // log-normal deviation
constexpr double earth_radius = 6371.0;        // km

struct City {
    const char* name;
    double latitude;
    double longitude;
};
constexpr City start_city{"sanfrancisco", 37.77, -122.42};
constexpr City first_stops[] = {{"denver", 39.74, -104.99},
                                {"salt_lake_city", 40.76, -111.89},
                                {"phoenix", 33.45, -112.07}};
constexpr City second_stops[] = {{"chicago", 41.88, -87.63},
                                 {"dallas", 32.78, -96.80},
                                 {"atlanta", 33.75, -84.39}};
constexpr City end_city{"new_york", 40.71, -74.01};

double ride_start(SampleRng& rng)
{
    const double u = uniform01(rng);
    double hour = 24.0 * uniform01(rng);
    for (const DemandPeak& p : demand) {
        if (u < p.share) {
            hour = p.hour + p.width * gaussian(rng);
            break;
        }
    }
    double t = std::fmod(hour * 3600.0, static_cast<double>(seconds_per_day));
    return t < 0 ? t + seconds_per_day : t;
}

// "2014-04-01T18:02:05+00:00"; a time past midnight falls on the next date.
void print_stamp(std::FILE* f, long t)
{
    const int day = static_cast<int>(t / seconds_per_day);
    const int s = static_cast<int>(t % seconds_per_day);
    std::fprintf(f, "2014-04-%02dT%02d:%02d:%02d+00:00", 1 + day, s / 3600, s / 60 % 60, s % 60);
}

void write_rides(const std::string& dir)
{
    SampleRng rng(20140401);
    std::FILE* f = create_sample_file(dir, "uber.tsv");
    for (int ride = 1; ride <= rides; ++ride) {
        long t = std::lround(ride_start(rng));
        const double duration =
            std::clamp(median_duration * std::exp(0.5 * gaussian(rng)), min_duration, max_duration);
        const long end = t + std::lround(duration);
        const double cruise = uniform01(rng) < highway_share
                                  ? highway_speed * std::exp(0.25 * gaussian(rng))
                                  : city_speed * std::exp(0.35 * gaussian(rng));
        double x = city_origin + city_size * uniform01(rng);
        double y = city_origin + city_size * uniform01(rng);
        double heading = two_pi * uniform01(rng);
        while (true) {
            std::fprintf(f, "%05d\t", ride);
            print_stamp(f, t);
            // Drawn one after the other: argument order is unspecified.
            const double seen_x = x + gps_noise * gaussian(rng);
            const double seen_y = y + gps_noise * gaussian(rng);
            std::fprintf(f, "\t%.1f\t%.1f\n", seen_x, seen_y);
            if (t >= end)
                break;
            const int step = min_fix_interval +
                             static_cast<int>(uniform01(rng) * (max_fix_interval - min_fix_interval + 1));
            const double speed =
                uniform01(rng) < stop_chance ? 0.0 : cruise * std::max(0.0, 1.0 + 0.3 * gaussian(rng));
            heading += heading_wander * gaussian(rng);
            x += speed * step * std::cos(heading);
            y += speed * step * std::sin(heading);
            t += step;
        }
    }
    close_sample_file(f, dir, "uber.tsv");
}

double distance_km(const City& a, const City& b)
{
    const double to_radians = two_pi / 360.0;
    const double dlat = (b.latitude - a.latitude) * to_radians;
    const double dlon = (b.longitude - a.longitude) * to_radians;
    const double h = std::sin(dlat / 2) * std::sin(dlat / 2) +
                     std::cos(a.latitude * to_radians) * std::cos(b.latitude * to_radians) *
                         std::sin(dlon / 2) * std::sin(dlon / 2);
    return 2.0 * earth_radius * std::asin(std::sqrt(h));
}

void print_leg(std::FILE* f, SampleRng& rng, const City& from, const City& to)
{
    const double fare = (fare_base + fare_per_km * distance_km(from, to)) * std::exp(fare_spread * gaussian(rng));
    std::fprintf(f, "%s\t%s\t%ld\n", from.name, to.name, std::lround(fare));
}

void write_legs(const std::string& dir)
{
    SampleRng rng(41502);
    std::FILE* f = create_sample_file(dir, "leg1.txt");
    for (const City& stop : first_stops)
        print_leg(f, rng, start_city, stop);
    close_sample_file(f, dir, "leg1.txt");
    f = create_sample_file(dir, "leg2.txt");
    for (const City& from : first_stops) {
        for (const City& to : second_stops)
            print_leg(f, rng, from, to);
    }
    close_sample_file(f, dir, "leg2.txt");
    f = create_sample_file(dir, "leg3.txt");
    for (const City& stop : second_stops)
        print_leg(f, rng, stop, end_city);
    close_sample_file(f, dir, "leg3.txt");
}

}  // namespace

void write_trip_samples(const std::string& dir)
{
    write_rides(dir);
    write_legs(dir);
}
