#include "spectral/pair_mass.h"

#include <cmath>

#include "common/command_line.h"

long read_pair_events(std::istream& in, long n, std::vector<PairEvent>& events)
{
    events.clear();
    PairEvent e;
    // Blanks are passed first, so that an input ending after a whole event
    // leaves the stream at its end without failing.
    while ((n == all_records || static_cast<long>(events.size()) < n) && !(in >> std::ws).eof() &&
           in >> e.x1 >> e.y1 >> e.e1 >> e.x2 >> e.y2 >> e.e2)
        events.push_back(e);
    return static_cast<long>(events.size());
}

double pair_mass(const PairEvent& e, double d)
{
    const double s = std::sqrt(e.e2 * e.e1);
    const double energy_factor = s + s;
    const double theta1 = std::atan(std::sqrt(e.y1 * e.y1 + e.x1 * e.x1) / d);
    const double theta2 = std::atan(std::sqrt(e.y2 * e.y2 + e.x2 * e.x2) / d);
    return std::sin((theta2 + theta1) * 0.5) * energy_factor;
}
