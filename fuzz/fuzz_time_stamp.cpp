// The time-stamp split of the trip records on any word, and the seconds of
// day from what it cut.
#include "fuzz/fuzz_target.h"
#include "trips/trip_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ClockTime time{-1, -1, -1};
    if (split_time_stamp(input_text(data, size), time))
        seconds_of_day(time);
    return 0;
}
