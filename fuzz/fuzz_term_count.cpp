// The typed number of terms of pi_series.
#include <sstream>

#include "fuzz/fuzz_target.h"
#include "integration/term_count.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(input_text(data, size));
    read_term_count(in);
    return 0;
}
