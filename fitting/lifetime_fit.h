// Chi-square grid search for the lifetime of an exponential decay law
// N(t) = N0 exp(-t / tau), shared by meson_lifetime and lepton_lifetime.
#pragma once

#include <istream>
#include <ostream>
#include <vector>

#include "common/command_line.h"

struct DecayCount {
    double n;   // observed count
    double t;   // time, in the file's unit until scaled to seconds
};

// What tells one fit from the other: file names, record count, units, grid
// and the chi-square band written out. Each program states its defaults;
// the options change them.
struct LifetimeFit {
    ProgramUsage usage;        // the data file argument and the --help text
    const char* grid_name;     // file of the grid points inside the band
    long records;              // count-time pairs read, or all_records
    double time_scale;         // file unit to seconds
    double n0_step;            // N0 runs from 0 in this step
    double tau_first;          // first tau, s
    double tau_step;           // tau step, s
    int points;                // grid points along N0 and along tau
    double band_low;           // band written, strict on both sides
    double band_high;
    int interval;              // 1: intervals and goodness of fit on standard error
};

struct BestPoint {
    double chi_square;
    double n0;
    double tau;
    int n0_index;    // -1 while no grid point has beaten the start
    int tau_index;
};

// The lowest chi-square at each grid value of one parameter, over every
// value of the other: the profile whose rise by 1 bounds a one-sigma interval.
struct Profile {
    std::vector<double> value;
    std::vector<double> chi_square;
};

// Where the profile stays within `rise` of its value at index best, walking
// out from there; a crossing between grid points is interpolated linearly.
// A band that reaches an end of the grid stops at that end and says so.
struct Interval {
    double low;
    double high;
    bool low_at_edge;
    bool high_at_edge;
};
Interval profile_interval(const Profile& profile, int best, double rise);

// Probability that a chi-square of dof degrees of freedom (at least 1) comes
// out at least this large: the regularized upper incomplete gamma function
// Q(dof / 2, chi_square / 2).
double chi_square_tail(double chi_square, long dof);

// Reads up to n count-time pairs (every pair when n is all_records) by
// formatted extraction (any white space separates numbers); stops at the
// first number that does not scan. Returns the number of whole pairs read.
long read_decay_counts(std::istream& in, long n, std::vector<DecayCount>& counts);

// Visits the points x points grid, N0 outer and tau inner, writing every
// point strictly inside the band to grid as "chi2\tN0\ttau" and the profiles
// over N0 and over tau; returns the best point. Dies naming the grid file
// when a point could not be written.
BestPoint search_grid(const std::vector<DecayCount>& counts, const LifetimeFit& fit,
                      std::ostream& grid, Profile& n0_profile, Profile& tau_profile);

// The whole program: the options, the argument, the data file read whole,
// then the grid file, the search and the result line. Returns the exit status.
int run_lifetime_fit(int argc, char** argv, LifetimeFit& fit);
