#include "spectral/spectrum.h"

#include <cmath>

#include "common/errors.h"
#include "common/files.h"
#include "spectral/record_file.h"

namespace {

// Reads pairs onto the end of s until n are held (all_records: until the
// input ends, or most_samples), or up to the first number that does not scan.
long append_pairs(std::istream& in, long n, Series& s)
{
    const long wanted = n == all_records ? most_samples : n;
    long pairs = 0;
    double t = 0.0, y = 0.0;
    // Blanks are passed first, so that an input ending after a whole pair
    // leaves the stream at its end without failing.
    while (pairs < wanted && !(in >> std::ws).eof() && in >> t >> y) {
        s.t.push_back(t);
        s.y.push_back(y);
        ++pairs;
    }
    return pairs;
}

}  // namespace

long read_pairs(std::istream& in, long n, Series& s)
{
    s.t.clear();
    s.y.clear();
    const long pairs = append_pairs(in, n, s);
    if (n != all_records) {
        s.t.resize(n, 0.0);
        s.y.resize(n, 0.0);
    }
    return pairs;
}

Series read_series(const char* name, long n, long least)
{
    std::ifstream in = open_input(name);
    Series s;
    die_if_unread(in, name, append_pairs(in, n, s), n, least, "time-value pairs");
    return s;
}

void check_grid(const FrequencyGrid& grid)
{
    if (!(grid.limit > grid.first))
        die("--to: %g Hz is not above --from %g Hz: the grid holds no frequency", grid.limit,
            grid.first);
    // Every frequency lies within the larger end's magnitude, where the
    // spacing of doubles is widest; a step above half of it always moves on.
    const double widest = std::fmax(std::fabs(grid.first), std::fabs(grid.limit));
    if (!(grid.step > (std::nextafter(widest, INFINITY) - widest) / 2))
        die("--step: %g Hz is too small to advance the frequency near %g Hz", grid.step, widest);
}

double remove_mean(std::vector<double>& y)
{
    double sum = 0.0;
    for (double v : y)
        sum += v;
    const double mean = sum / static_cast<double>(y.size());
    for (double& v : y)
        v = v - mean;
    return mean;
}

void write_spectrum(std::ostream& out, const Series& s, FrequencyGrid grid,
                    FourthColumn fourth, Peak* peak)
{
    for (const Line& line : exact_spectrum(s, grid, fourth, peak != nullptr)) {
        out << line.frequency << '\t' << line.re << '\t' << line.im << '\t'
            << (fourth == FourthColumn::amplitude ? line.amplitude : line.log_power) << std::endl;
        // A lost line ends the output; the caller's close reports it.
        if (!out)
            return;
        // Raised when exceeded, then its frequency taken when equal: the last
        // of equal maxima wins.
        if (peak && line.log_power > peak->log_power)
            peak->log_power = line.log_power;
        if (peak && line.log_power == peak->log_power)
            peak->frequency = line.frequency;
    }
}
