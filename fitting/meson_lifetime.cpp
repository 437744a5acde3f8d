// meson_lifetime DATAFILE: fits N0 exp(-t / tau) to 13 decay counts (count,
// time in ns) by a chi-square grid search; prints the best chi-square, N0,
// tau (s) and the normal deviate, and writes the grid points of the band
// near the one-sigma level to piongrid.txt.
#include "fitting/lifetime_fit.h"

namespace {
LifetimeFit meson{
    {"datafile",
     "Fits N0 exp(-t / tau) to 13 decay counts (--records; count, time in ns: --time-unit)\n"
     "by a chi-square search on a 1000 x 1000 grid (--points) of N0 and tau; prints\n"
     "the best chi-square, N0, tau (s) and the normal deviate, and says on standard\n"
     "error when the best point lies on the edge of the grid.\n"
     "Reads datafile; then writes the grid points near the one-sigma band to\n"
     "piongrid.txt (--grid)."},
    "piongrid.txt",
    13,         // records
    1e-9,       // ns to s
    0.1,        // N0 step
    1e-15,      // first tau, s
    1.3e-10,    // tau step, s
    1000,       // points per axis
    5.48338,    // band
    5.50338,
    0,          // no intervals
};
}  // namespace

int main(int argc, char** argv)
{
    return run_lifetime_fit(argc, argv, meson);
}
