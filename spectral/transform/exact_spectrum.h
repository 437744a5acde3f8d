// The spectrum of a sampled series on a frequency grid, computed the fastest
// way this processor has, every line as the scalar transform prints it.
#pragma once

#include <vector>

struct Series {
    std::vector<double> t;   // sample times
    std::vector<double> y;   // sample values
};

struct FrequencyGrid {
    double first;   // first frequency
    double limit;   // excluded upper bound
    double step;    // added to the frequency after each line
};

// The column printed after the coefficients.
enum class FourthColumn { log_power, amplitude };

// Which computation gave a line its printed digits: the chirp transform of
// every line at once, that turned to the scalar loop's rounded phases in one
// vector pass, the recurrence across the grid, the vector path that
// evaluates every sine and cosine, or the scalar loop.
enum class Tier { chirp, rounded_phase, recurrence, direct, scalar };

// One frequency's line: the coefficients scaled to (2/T) times the transform
// (T the span of the times), the amplitude and log10 of its square.
struct Line {
    double frequency;
    double re, im, amplitude, log_power;
    double bound;      // how far re and im may lie from the scalar loop's; 0 where they are its
    bool recomputed;   // by the scalar loop, the fast paths' bounds leaving a printed digit open
    Tier tier;
};

// The lines of the grid, the frequency accumulated by addition from first,
// never first + k step: the printed grid and its last line depend on it.
// Printed in six digits (%g), re, im and the fourth column are the scalar
// loop's. With peak, every line whose log power might be the largest of the
// grid has the scalar loop's exactly and every other line's lies below that,
// so comparing them in grid order finds the scalar loop's peak. The series
// holds at least 2 samples; the grid ends (each step moves the frequency on).
// One Line a frequency is held at once.
std::vector<Line> exact_spectrum(const Series& s, const FrequencyGrid& grid, FourthColumn fourth,
                                 bool peak);

// The first computation of every line, for tests and benchmarks: the cost
// model's choice, or the chirp transform or the recurrence wherever each can
// run, for the rest of the run.
enum class FirstPass { cost_model, chirp, recurrence };
void use_first_pass(FirstPass pass);
