// lepton_lifetime DATAFILE: fits N0 exp(-t / tau) to 26 decay counts (count,
// time in us) by a chi-square grid search; prints the best chi-square, N0,
// tau (s) and the normal deviate, and writes the grid points of the band
// near the one-sigma level to muongrid.txt.
#include "fitting/lifetime_fit.h"

namespace {
LifetimeFit lepton{
    {"datafile",
     "Fits N0 exp(-t / tau) to 26 decay counts (--records; count, time in us: --time-unit)\n"
     "by a chi-square search on a 1000 x 1000 grid (--points) of N0 and tau; prints\n"
     "the best chi-square, N0, tau (s) and the normal deviate, and says on standard\n"
     "error when the best point lies on the edge of the grid.\n"
     "Reads datafile; then writes the grid points near the one-sigma band to\n"
     "muongrid.txt (--grid)."},
    "muongrid.txt",
    26,                 // records
    1e-6,               // us to s
    0.15,               // N0 step
    1e-10,              // first tau, s
    6e-9,               // tau step, s
    1000,               // points per axis
    38.5747,            // band
    38.5947,
    0,                  // no intervals
};
}  // namespace

int main(int argc, char** argv)
{
    return run_lifetime_fit(argc, argv, lepton);
}
