// The leg files of cheapest_route, with the name limits of its tables: long
// names for the first and last legs, short ones for the nine routes.
#include <cstdlib>
#include <sstream>

#include "fuzz/fuzz_target.h"
#include "trips/route_legs.h"

namespace {
constexpr LegLayout end_legs{254, 254};
constexpr LegLayout routes{19, 19};
constexpr int count = 9;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = input_text(data, size);
    for (const LegLayout& layout : {end_legs, routes}) {
        std::istringstream in(text);
        const LegFile file = read_legs(in, layout, count);
        if (static_cast<int>(file.legs.size()) > count || file.skipped < 0)
            std::abort();
        for (const Leg& leg : file.legs)
            if (leg.origin.empty() || leg.origin.size() > layout.origin_max ||
                leg.destination.empty() || leg.destination.size() > layout.destination_max)
                std::abort();
    }
    return 0;
}
