// The photon-pair events of 481X2t.txt as angle_histogram reads them, and the
// mass of each one.
#include <cstdlib>
#include <sstream>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "spectral/pair_mass.h"

namespace {
constexpr int events_wanted = 100;
constexpr double plane_distance = 2700.0;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(input_text(data, size));
    std::vector<PairEvent> events;
    const int read = read_pair_events(in, events_wanted, events);
    if (read < 0 || read > events_wanted || static_cast<int>(events.size()) != read)
        std::abort();
    double total = 0.0;
    for (const PairEvent& e : events)
        total += pair_mass(e, plane_distance);
    (void)total;
    return 0;
}
