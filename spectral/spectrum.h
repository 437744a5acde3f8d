// The spectrum of a sampled series on a uniform frequency grid, shared by
// crab_spectrum, pulsar_spectrum and phone_spectrum.
#pragma once

#include <climits>
#include <istream>
#include <ostream>
#include <vector>

#include "common/command_line.h"
#include "spectral/transform/exact_spectrum.h"

// The most samples one series holds: the transform counts them in an int.
constexpr long most_samples = INT_MAX;

// A number of time-value pairs to read: at least `least`, or all.
constexpr Range pair_count(double least)
{
    Range r = count_or_all(least);
    r.high = most_samples;
    return r;
}

// Reads up to n time-value pairs (n = all_records: every pair the input holds,
// up to most_samples) by formatted extraction (any white space separates
// numbers); stops at the first number that does not scan. Returns the number
// of whole pairs read. The arrays grow with the data; for a fixed n they end
// with n entries, those not read 0.
long read_pairs(std::istream& in, long n, Series& s);

// Reads n pairs, or all the file holds, from the named file, or dies naming
// the file and how many pairs it held: fewer than n, or with all fewer than
// `least`, or a file that does not end after its last whole pair. The pairs,
// to the last bit, are those read_pairs reads from the file's stream.
Series read_series(const char* name, long n, long least);

// Subtracts the mean (sum in reading order, divided by n) from every value and
// returns it.
double remove_mean(std::vector<double>& y);

// Dies, before anything is read or written, when the grid holds no frequency
// or its step is too small to move every frequency of it on: the grid would
// never end.
void check_grid(const FrequencyGrid& grid);

// Running maximum of the log power and the frequency where it was last met.
struct Peak {
    double log_power;
    double frequency;
};

// Writes one line "f\tRe\tIm\tfourth" per grid frequency, flushed, with the
// coefficients scaled to (2/T) times the sums. When peak is given it tracks the
// largest log power: raised when exceeded, then its frequency taken when equal,
// so the last of equal maxima wins. Stops at the first line that could not be
// written, leaving the stream failed. The grid is one check_grid accepts.
void write_spectrum(std::ostream& out, const Series& s, FrequencyGrid grid,
                    FourthColumn fourth, Peak* peak = nullptr);
