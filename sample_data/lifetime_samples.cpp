// pion.dat and muon.dat: binned decay counts of an exponential decay with a
// known lifetime, as "count time" lines, for meson_lifetime (times in ns) and
// lepton_lifetime (times in us). Counts are Poisson deviates about
// N0 exp(-t / tau), with N0 inside each fit's amplitude grid.
#include <cmath>
#include <cstdio>

#include "sample_data/sample_data.h"

namespace {

struct DecayTable {
    const char* name;
    unsigned long seed;
    int bins;
    double first_time;   // centre of the first bin, file unit
    double bin_width;    // file unit
    double n0;           // expected count at t = 0
    double lifetime;     // file unit
};

// Charged pion: 26.03 ns, 13 bins of 6 ns.
constexpr DecayTable pion{"pion.dat", 26030004, 13, 3.0, 6.0, 80.0, 26.03};
// Muon: 2.197 us, 26 bins of 0.4 us.
constexpr DecayTable muon{"muon.dat", 2197004, 26, 0.2, 0.4, 120.0, 2.197};

void write_table(const std::string& dir, const DecayTable& table)
{
    SampleRng rng(table.seed);
    std::FILE* f = create_sample_file(dir, table.name);
    for (int k = 0; k < table.bins; ++k) {
        double t = table.first_time + k * table.bin_width;
        long count = poisson(rng, table.n0 * std::exp(-t / table.lifetime));
        std::fprintf(f, "%ld %g\n", count, t);
    }
    close_sample_file(f, dir, table.name);
}

}  // namespace

void write_lifetime_samples(const std::string& dir)
{
    write_table(dir, pion);
    write_table(dir, muon);
}
