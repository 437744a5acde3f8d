// The spectrum of a sampled series on a uniform frequency grid, shared by
// crab_spectrum, pulsar_spectrum and phone_spectrum.
#pragma once

#include <istream>
#include <ostream>
#include <vector>

struct Series {
    std::vector<double> t;   // sample times
    std::vector<double> y;   // sample values
};

// Reads up to n time-value pairs by formatted extraction (any white space
// separates numbers); stops at the first number that does not scan.
// Returns the number of whole pairs read.
int read_pairs(std::istream& in, int n, Series& s);

// Reads exactly n pairs from the named file, or dies naming the file and how
// many pairs it held.
Series read_series(const char* name, int n);

// Subtracts the mean (sum in reading order, divided by n) from every value and
// returns it.
double remove_mean(std::vector<double>& y);

struct FrequencyGrid {
    double first;   // first frequency written
    double limit;   // excluded upper bound
    double step;    // added to the frequency after each line
};

enum class FourthColumn { log_power, amplitude };

// Running maximum of the log power and the frequency where it was last met.
struct Peak {
    double log_power;
    double frequency;
};

// Writes one line "f\tRe\tIm\tfourth" per grid frequency, flushed, with the
// coefficients scaled to (2/T) times the sums. When peak is given it tracks the
// largest log power: raised when exceeded, then its frequency taken when equal,
// so the last of equal maxima wins. Stops at the first line that could not be
// written, leaving the stream failed.
void write_spectrum(std::ostream& out, const Series& s, FrequencyGrid grid,
                    FourthColumn fourth, Peak* peak = nullptr);
