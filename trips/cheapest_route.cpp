// cheapest_route: the cheapest journey from sanfrancisco to new_york over two
// stops. leg1.txt leaves the start city, leg2.txt joins the two stops (the
// nine routes), leg3.txt reaches the end city; legs join where a destination
// equals the next origin. Prints the route totals ascending, then the stops of
// the cheapest route.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"
#include "trips/route_legs.h"

namespace {

constexpr const char* first_leg_file = "leg1.txt";
constexpr const char* route_file = "leg2.txt";
constexpr const char* last_leg_file = "leg3.txt";
constexpr int first_legs = 3;
constexpr int routes = 9;
constexpr int last_legs = 3;
constexpr LegLayout first_leg_layout{254, 254};
constexpr LegLayout route_layout{19, 19};
constexpr LegLayout last_leg_layout{254, 254};
// The minimum search starts here: a total at or above it is never chosen,
// and route 0 is named then.
constexpr long long minimum_start = 100000;
constexpr ProgramUsage usage{
    "", "The cheapest journey from sanfrancisco to new_york over two stops; prints the route\n"
        "totals ascending, then the stops of the cheapest route.\n"
        "Reads leg1.txt, leg2.txt and leg3.txt; writes no file."};

std::vector<Leg> load_legs(const char* name, const LegLayout& layout, int count)
{
    std::ifstream in = open_input(name);
    LegFile file = read_legs(in, layout, count);
    check_read(in, name);
    report_skipped(name, file.skipped);
    if (static_cast<int>(file.legs.size()) < count)
        die("%s holds only %d of the %d legs needed", name, static_cast<int>(file.legs.size()), count);
    return file.legs;
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    const std::vector<Leg> first = load_legs(first_leg_file, first_leg_layout, first_legs);
    const std::vector<Leg> middle = load_legs(route_file, route_layout, routes);
    const std::vector<Leg> last = load_legs(last_leg_file, last_leg_layout, last_legs);

    // A later matching first leg replaces an earlier one; every matching last
    // leg adds its cost. A route with no first or no last leg has no total.
    std::vector<long long> total(routes, 0);
    std::vector<bool> from_start(routes, false);
    std::vector<bool> to_end(routes, false);
    for (int i = 0; i < routes; ++i) {
        for (int j = 0; j < first_legs; ++j) {
            if (first[j].destination == middle[i].origin) {
                total[i] = static_cast<long long>(middle[i].cost) + first[j].cost;
                from_start[i] = true;
            }
        }
    }
    for (int j = 0; j < last_legs; ++j) {
        for (int i = 0; i < routes; ++i) {
            if (middle[i].destination == last[j].origin) {
                total[i] += last[j].cost;
                to_end[i] = true;
            }
        }
    }

    std::vector<long long> defined;
    long long minimum = minimum_start;
    int cheapest = 0;
    for (int i = 0; i < routes; ++i) {
        if (!from_start[i] || !to_end[i])
            continue;
        defined.push_back(total[i]);
        if (total[i] < minimum) {
            minimum = total[i];
            cheapest = i;
        }
    }
    if (defined.empty())
        die("no route of %s joins a leg of %s to a leg of %s", route_file, first_leg_file, last_leg_file);
    if (static_cast<int>(defined.size()) < routes)
        warn("%d of the %d routes of %s do not join the other legs and are left out",
             routes - static_cast<int>(defined.size()), routes, route_file);

    std::sort(defined.begin(), defined.end());
    for (long long t : defined)
        std::printf("Cost of shortest travel: %lld\n", t);
    std::printf("Shortest distance: sanfrancisco to %s to %s to new_york",
                middle[cheapest].origin.c_str(), middle[cheapest].destination.c_str());
    return 0;
}
