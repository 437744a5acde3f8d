// The stepping scheme of the decay simulations (carbon_chain, half_life_sim):
// every atom left draws once per step and decays when the draw is at most its
// probability per step; decays and atoms left are tabulated in time bins.
#pragma once

#include <vector>

constexpr long decay_seed = 1299811;
constexpr double decay_time_step = 0.1;
constexpr double decay_bin_width = 10.0;
constexpr int decay_end_time = 10000;
constexpr int decay_bins = static_cast<int>(decay_end_time / decay_bin_width);

struct Isotope {
    int atoms;                     // atoms left; 0 or less draws nothing
    double probability;            // of a decay per atom and step
    std::vector<double> decays;    // decays per bin
};

// Makes an isotope with an empty decay table.
Isotope make_isotope(int atoms, double probability);

// Calls step(bin) once for every time step, in order.
template <class Step>
void for_each_time_step(Step step)
{
    // Time is accumulated by repeated addition of the step, so a few bins get
    // 99 or 101 steps; the bin comes from the accumulated time.
    for (double t = 0.0; decay_end_time > t; t = t + decay_time_step)
        step(static_cast<int>(t / decay_bin_width));
}

// Number of decays among atoms that draw once each with the given probability.
int count_decays(int atoms, double probability);

// Seeds the generator and steps the isotopes, in their order within every
// step, to the end time. Returns the atoms left per bin (stable atoms plus the
// isotopes' atoms) after the last step of each bin.
std::vector<double> simulate_decays(std::vector<Isotope>& isotopes, int stable_atoms);

// Leading integer of an argument as atoi reads it (text without digits gives
// 0); a count below least or beyond the int range dies rather than wraps.
int atom_count(const char* text, long least);

// Centre of time bin i.
double bin_centre(int i);
