// The stepping scheme of the decay simulations (carbon_chain, half_life_sim):
// every atom left draws once per step and decays when the draw is at most its
// probability per step; decays and atoms left are tabulated in time bins.
#pragma once

#include <vector>

// The generator's seed and the time grid, the same for both programs.
struct DecayGrid {
    long seed = 1299811;
    double step = 0.1;          // time step
    double bin_width = 10.0;
    double end_time = 10000;    // the steps run while the time is below it
};

struct Isotope {
    int atoms;                     // atoms left; 0 or less draws nothing
    double probability;            // of a decay per atom and step
    std::vector<double> decays;    // decays per bin
};

// Makes an isotope with an empty decay table.
Isotope make_isotope(int atoms, double probability);

// Calls step(bin) once for every time step, in order.
template <class Step>
void for_each_time_step(const DecayGrid& grid, Step step)
{
    // Time is accumulated by repeated addition of the step, so a few bins get
    // a step more or less; the bin comes from the accumulated time.
    for (double t = 0.0; grid.end_time > t; t = t + grid.step)
        step(static_cast<long>(t / grid.bin_width));
}

// Dies naming the options when a bin is shorter than a time step (the tables
// would outgrow the run) or the step too small to advance the time near the
// end (the run would never end).
void check_decay_grid(const DecayGrid& grid);

// Number of decays among atoms that draw once each with the given probability.
int count_decays(int atoms, double probability);

// Seeds the generator and steps the isotopes, in their order within every
// step, to the end time. Returns the atoms left per bin (stable atoms plus the
// isotopes' atoms) after the last step of each bin; the tables end with the
// last bin a step falls in.
std::vector<double> simulate_decays(std::vector<Isotope>& isotopes, int stable_atoms, const DecayGrid& grid);

// An atom count argument named `what`, a whole number: anything else is
// refused naming the argument; a count below least or beyond the int range
// dies naming the count.
int atom_count(const char* what, const char* text, long least);

// Centre of time bin i.
double bin_centre(long i, const DecayGrid& grid);
