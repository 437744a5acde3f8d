// The time-value pairs of the spectrum and brightness programs, read by
// formatted extraction as they read Crab.dat, pulsar.dat and cellphone.dat
// (a short series: the count only bounds the loop).
#include <cstdlib>
#include <sstream>

#include "fuzz/fuzz_target.h"
#include "spectral/spectrum.h"

namespace {
constexpr int pairs_wanted = 64;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(input_text(data, size));
    Series s;
    const int pairs = read_pairs(in, pairs_wanted, s);
    if (pairs < 0 || pairs > pairs_wanted || static_cast<int>(s.t.size()) != pairs_wanted ||
        static_cast<int>(s.y.size()) != pairs_wanted)
        std::abort();
    return 0;
}
