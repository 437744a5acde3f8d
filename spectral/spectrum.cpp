#include "spectral/spectrum.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/files.h"
#include "spectral/record_file.h"

namespace {

// Bytes of a regular file read and parsed at a time.
constexpr std::streamsize chunk_bytes = 1 << 16;

long pairs_wanted(long n)
{
    return n == all_records ? most_samples : n;
}

// The white space of the C locale: ' ' and '\t' to '\r'.
bool is_blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

const char* skip_digits(const char* p, const char* end)
{
    while (p != end && *p >= '0' && *p <= '9')
        ++p;
    return p;
}

// Reads the number after the blanks at p into v and returns where it ends,
// when formatted extraction surely reads it alike: an optional '-', digits
// with at most one '.', an optional exponent, a blank after it, and a normal
// double or zero. Otherwise returns nullptr. A number that ends the input is
// left to the stream: reading it marks the stream's end, which decides how
// the reading is reported.
const char* plain_number(const char* p, const char* end, double& v)
{
    while (p != end && is_blank(*p))
        ++p;
    const char* q = p != end && *p == '-' ? p + 1 : p;
    const char* const whole = q;
    q = skip_digits(q, end);
    bool digits = q != whole;
    if (q != end && *q == '.') {
        const char* const fraction = q + 1;
        q = skip_digits(fraction, end);
        digits = digits || q != fraction;
    }
    if (!digits)
        return nullptr;
    if (q != end && (*q == 'e' || *q == 'E')) {
        const char* exponent = q + 1;
        if (exponent != end && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        q = skip_digits(exponent, end);
        if (q == exponent)
            return nullptr;
    }
    if (q == end || !is_blank(*q))
        return nullptr;
    const auto [last, error] = std::from_chars(p, q, v);
    if (error != std::errc() || last != q || (v != 0 && std::fabs(v) < DBL_MIN))
        return nullptr;
    return q;
}

// Reads plain pairs from the text onto the end of s, at most `wanted`, and
// returns the offset of the first pair not read.
size_t append_plain_pairs(std::string_view text, long wanted, Series& s)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    for (long pairs = 0; pairs < wanted; ++pairs) {
        double t = 0.0, y = 0.0;
        const char* next = plain_number(p, end, t);
        if (next)
            next = plain_number(next, end, y);
        if (!next)
            break;
        s.t.push_back(t);
        s.y.push_back(y);
        p = next;
    }
    return p - text.data();
}

// Reads pairs onto the end of s until `wanted` more are read, or up to the end
// of the input or the first number that does not scan.
long append_pairs(std::istream& in, long wanted, Series& s)
{
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

// Reads the plain pairs at the start of a regular file onto the end of s, at
// most `wanted`, a chunk at a time, and leaves the stream at the first pair
// not read. A chunk may end anywhere: a number is taken only with the blank
// after it, so a pair cut by the chunk's end is read whole from the next.
void append_plain_file_pairs(std::istream& in, long wanted, Series& s)
{
    std::string chunk(chunk_bytes, '\0');
    std::streamoff offset = 0;
    bool more = true;
    while (more) {
        in.read(chunk.data(), chunk_bytes);
        const std::string_view text(chunk.data(), static_cast<size_t>(in.gcount()));
        const size_t parsed = append_plain_pairs(text, wanted - static_cast<long>(s.t.size()), s);
        offset += static_cast<std::streamoff>(parsed);
        more = in && parsed > 0;
        in.clear();
        in.seekg(offset);
    }
}

}  // namespace

long read_pairs(std::istream& in, long n, Series& s)
{
    s.t.clear();
    s.y.clear();
    const long pairs = append_pairs(in, pairs_wanted(n), s);
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
    // The plain pairs of a regular file are parsed straight from its bytes;
    // the stream reads on from the first pair that is not plain, so that where
    // and how the reading ends is the stream's own. Anything else (a pipe, a
    // directory) has no size and is left to the stream alone.
    std::error_code not_regular;
    const std::uintmax_t bytes = std::filesystem::file_size(name, not_regular);
    if (!not_regular) {
        // Room for a fixed count at once, but no more than the file can hold:
        // a plain pair takes four bytes at least.
        if (n != all_records) {
            const std::uintmax_t held = std::min<std::uintmax_t>(n, bytes / 4 + 1);
            s.t.reserve(held);
            s.y.reserve(held);
        }
        append_plain_file_pairs(in, pairs_wanted(n), s);
    }
    const long plain = static_cast<long>(s.t.size());
    const long got = plain + append_pairs(in, pairs_wanted(n) - plain, s);
    die_if_unread(in, name, got, n, least, "time-value pairs");
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
