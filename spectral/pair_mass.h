// Photon-pair events read from their hits on a detector plane, and the
// invariant mass of each pair; used by angle_histogram.
#pragma once

#include <istream>
#include <vector>

// Hit position on the plane and energy of each of the two massless particles.
struct PairEvent {
    double x1, y1, e1;
    double x2, y2, e2;
};

// Reads up to n events (all_records: every event the input holds) of six
// numbers, x1 y1 E1 x2 y2 E2, by formatted extraction (any white space
// separates numbers); stops at the first number that does not scan. Returns
// the number of whole events read.
long read_pair_events(std::istream& in, long n, std::vector<PairEvent>& events);

// Invariant mass 2 sqrt(E1 E2) sin(opening / 2), with the opening angle taken
// as the sum of the polar angles of the hits seen from a plane at distance d
// (the hits on opposite sides of the axis). Not a number when E1 E2 < 0.
double pair_mass(const PairEvent& e, double d);
