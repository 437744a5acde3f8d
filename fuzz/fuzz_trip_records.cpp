// The trip record scan of uber.tsv as trip_frequency reads it (record by
// record) and as trip_speed_sort and trip_lengths read it (grouped into a
// table of rides; a small capacity so that the overflow path is reached).
#include <cstdlib>
#include <sstream>

#include "fuzz/fuzz_target.h"
#include "trips/trip_records.h"

namespace {
constexpr int capacity = 8;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = input_text(data, size);

    std::istringstream records(text);
    TripRecord record{};
    long skipped = 0;
    long found = 0;
    while (next_trip_record(records, record, skipped))
        ++found;

    std::istringstream rides_in(text);
    const RideTable table = read_rides(rides_in, capacity);
    // Both ways see the same records and skip the same lines.
    if (static_cast<long>(table.rides.size()) > capacity ||
        static_cast<long>(table.rides.size()) > table.rides_seen || table.skipped != skipped ||
        table.rides_seen > found)
        std::abort();
    for (const Ride& ride : table.rides) {
        if (ride.path_length < 0.0)
            std::abort();
        ride_duration(ride);
    }
    return 0;
}
