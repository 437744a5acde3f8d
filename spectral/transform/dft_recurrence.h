// The transform by phasor recurrence across the frequency grid: the layout the
// vector kernels read, the kernels, and the transform built on them.
#pragma once

#include <complex>

// dft_many by the recurrence with 8 (AVX-512) or 4 (AVX2) lanes, with the
// same bound on every result. Returns false, having written nothing, where the
// phases are too large for the bound to be useful or the input is not finite;
// the caller then evaluates every sine and cosine.
bool dft_many_recurrence(int lanes, const double* t, const double* y, int n, const double* f,
                         int count, std::complex<double>* result, double* error);

// Frequencies in blocks of lanes: within a segment of equally spaced
// frequencies the block b + 1 is block b times the sample's step phasor; every
// anchor_every blocks, and at the first block of a segment, the phasors are
// taken afresh from the sine and cosine of the phase itself.
struct RecurrenceGrid {
    int lanes;                       // frequencies a block
    int anchor_every;                // blocks between anchors
    int segments;
    const int* segment_block;        // first block of each segment, and the end
    const double* segment_omega;     // 2 pi times lanes steps, rounded
    const double* w;                 // lane frequency 2 pi f rounded as dft rounds it
    const double* g;                 // w less the chain's frequency (anchor w + m omega)
    int turn_order;                  // 1 or 3: the order of the turns by eps
};

// Adds the terms of the samples (t[i], y[i]), i < n, to the sums re[], im[]
// (one a lane of every block), sample after sample.
void recurrence_sums_avx512(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                            double dt, double* re, double* im);
void recurrence_sums_avx2(const RecurrenceGrid& grid, const double* t, const double* y, int n,
                          double dt, double* re, double* im);
