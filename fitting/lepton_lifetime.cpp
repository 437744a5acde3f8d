// lepton_lifetime DATAFILE: fits N0 exp(-t / tau) to 26 decay counts (count,
// time in us) by a chi-square grid search; prints the best chi-square, N0,
// tau (s) and the normal deviate, and writes the grid points of the band
// near the one-sigma level to muongrid.txt.
#include "fitting/lifetime_fit.h"

namespace {
constexpr LifetimeFit lepton{
    {"datafile",
     "Fits N0 exp(-t / tau) to 26 decay counts (count, time in us) by a chi-square grid\n"
     "search; prints the best chi-square, N0, tau (s) and the normal deviate.\n"
     "Reads datafile; writes the grid points near the one-sigma band to muongrid.txt,\n"
     "which is made (empty) even when datafile is missing."},
    "muongrid.txt",
    26,                 // records
    1e-6,               // us to s
    0.15,               // N0 step
    1e-10,              // first tau, s
    6e-9,               // tau step, s
    38.5747,            // band
    38.5947,
    7.14142842854285,   // sqrt(2 * 26 - 1)
};
}  // namespace

int main(int argc, char** argv)
{
    return run_lifetime_fit(argc, argv, lepton);
}
