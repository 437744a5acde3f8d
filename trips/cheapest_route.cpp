// cheapest_route: the cheapest journey from a start city to an end city over
// two stops. leg1.txt leaves the start city, leg2.txt joins the two stops (the
// nine routes), leg3.txt reaches the end city; legs join where a destination
// equals the next origin. Prints the route totals ascending, then the cities
// of the cheapest route.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "trips/route_legs.h"

namespace {

const char* first_leg_file = "leg1.txt";
const char* route_file = "leg2.txt";
const char* last_leg_file = "leg3.txt";
long first_legs = 3;
long routes = 9;
long last_legs = 3;
long leg_name_max = 254;
long route_name_max = 19;
// The minimum search starts here: a total at or above it is never chosen,
// and route 0 is named then.
long cost_ceiling = 100000;
const Options options = {
    {"leg1", &first_leg_file, "", "first legs, out of the start city"},
    {"leg2", &route_file, "", "routes between the two stops"},
    {"leg3", &last_leg_file, "", "last legs, into the end city"},
    {"legs1", &first_legs, "", "first legs read", count_or_all(1)},
    {"legs2", &routes, "", "routes read", count_or_all(1)},
    {"legs3", &last_legs, "", "last legs read", count_or_all(1)},
    {"leg-name-max", &leg_name_max, "characters", "longest city name of the first and last legs", at_least(1)},
    {"route-name-max", &route_name_max, "characters", "longest city name of the routes", at_least(1)},
    {"cost-ceiling", &cost_ceiling, "", "totals at or above it are never chosen"},
};
constexpr ProgramUsage usage{
    "", "The cheapest journey from a start city to an end city over two stops; prints the\n"
        "route totals ascending, then the cities of the cheapest route.\n"
        "Reads leg1.txt (--leg1), leg2.txt (--leg2) and leg3.txt (--leg3); writes no file."};

// Every leg of the file when count is all_records; then at least one.
std::vector<Leg> load_legs(const char* name, long name_max, long count)
{
    const std::size_t longest = static_cast<std::size_t>(name_max);
    std::ifstream in = open_input(name);
    LegFile file = read_legs(in, LegLayout{longest, longest}, count);
    check_read(in, name);
    report_skipped(name, file.skipped);
    const long got = static_cast<long>(file.legs.size());
    if (count == all_records && got == 0)
        die("%s holds no legs", name);
    if (count != all_records && got < count)
        die("%s holds only %ld of the %ld legs needed", name, got, count);
    return file.legs;
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    const std::vector<Leg> first = load_legs(first_leg_file, leg_name_max, first_legs);
    const std::vector<Leg> middle = load_legs(route_file, route_name_max, routes);
    const std::vector<Leg> last = load_legs(last_leg_file, leg_name_max, last_legs);
    const std::size_t n = middle.size();

    // A later matching first leg replaces an earlier one; every matching last
    // leg adds its cost. A route with no first or no last leg has no total.
    // The cities named are those of the last matching legs.
    std::vector<long long> total(n, 0);
    std::vector<const Leg*> from_start(n, nullptr);
    std::vector<const Leg*> to_end(n, nullptr);
    for (std::size_t i = 0; i < n; ++i) {
        for (const Leg& leg : first) {
            if (leg.destination == middle[i].origin) {
                total[i] = static_cast<long long>(middle[i].cost) + leg.cost;
                from_start[i] = &leg;
            }
        }
    }
    for (const Leg& leg : last) {
        for (std::size_t i = 0; i < n; ++i) {
            if (middle[i].destination == leg.origin) {
                total[i] += leg.cost;
                to_end[i] = &leg;
            }
        }
    }

    std::vector<long long> defined;
    long long minimum = cost_ceiling;
    std::size_t cheapest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (from_start[i] == nullptr || to_end[i] == nullptr)
            continue;
        defined.push_back(total[i]);
        if (total[i] < minimum) {
            minimum = total[i];
            cheapest = i;
        }
    }
    if (defined.empty())
        die("no route of %s joins a leg of %s to a leg of %s", route_file, first_leg_file, last_leg_file);
    if (defined.size() < n)
        warn("%zu of the %zu routes of %s do not join the other legs and are left out", n - defined.size(), n,
             route_file);

    std::sort(defined.begin(), defined.end());
    for (long long t : defined)
        std::printf("Cost of shortest travel: %lld\n", t);
    // Route 0, named when no total is below the ceiling, may join no leg on a
    // side: the first line of that leg file then gives the city.
    const Leg& start = from_start[cheapest] != nullptr ? *from_start[cheapest] : first.front();
    const Leg& end = to_end[cheapest] != nullptr ? *to_end[cheapest] : last.front();
    std::printf("Shortest distance: %s to %s to %s to %s", start.origin.c_str(), middle[cheapest].origin.c_str(),
                middle[cheapest].destination.c_str(), end.destination.c_str());
    return 0;
}
