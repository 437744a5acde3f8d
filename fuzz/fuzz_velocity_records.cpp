// The velocity file rides.txt as trip_frequency and trip_speed_sort read it
// back, and each record written again as trip_speed_sort writes it.
#include <cstdlib>
#include <sstream>

#include "fuzz/fuzz_target.h"
#include "trips/trip_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(input_text(data, size));
    VelocityRecord record{};
    long skipped = 0;
    std::ostringstream out;
    while (next_velocity_record(in, record, skipped))
        write_velocity_record(out, record.ride, record.velocity);

    // What was written reads back whole, record for record.
    std::istringstream again(out.str());
    long skipped_again = 0;
    while (next_velocity_record(again, record, skipped_again)) {
    }
    if (skipped_again != 0)
        std::abort();
    return 0;
}
