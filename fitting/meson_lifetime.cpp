// meson_lifetime DATAFILE: fits N0 exp(-t / tau) to 13 decay counts (count,
// time in ns) by a chi-square grid search; prints the best chi-square, N0,
// tau (s) and the normal deviate, and writes the grid points of the band
// near the one-sigma level to piongrid.txt.
#include "fitting/lifetime_fit.h"

namespace {
constexpr LifetimeFit meson{
    {"datafile",
     "Fits N0 exp(-t / tau) to 13 decay counts (count, time in ns) by a chi-square grid\n"
     "search; prints the best chi-square, N0, tau (s) and the normal deviate.\n"
     "Reads datafile; writes the grid points near the one-sigma band to piongrid.txt,\n"
     "which is made (empty) even when datafile is missing."},
    "piongrid.txt",
    13,         // records
    1e-9,       // ns to s
    0.1,        // N0 step
    1e-15,      // first tau, s
    1.3e-10,    // tau step, s
    5.48338,    // band
    5.50338,
    5.0,        // sqrt(2 * 13 - 1)
};
}  // namespace

int main(int argc, char** argv)
{
    return run_lifetime_fit(argc, argv, meson);
}
