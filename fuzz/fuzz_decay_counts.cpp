// The count-time pairs of the lifetime fits' data files, as many as either
// fit reads.
#include <cstdlib>
#include <sstream>
#include <vector>

#include "fitting/lifetime_fit.h"
#include "fuzz/fuzz_target.h"

namespace {
constexpr int pairs_wanted = 26;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(input_text(data, size));
    std::vector<DecayCount> counts;
    const int pairs = read_decay_counts(in, pairs_wanted, counts);
    if (pairs < 0 || pairs > pairs_wanted || static_cast<int>(counts.size()) != pairs)
        std::abort();
    return 0;
}
