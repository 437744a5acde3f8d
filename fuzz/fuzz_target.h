// The entry point every fuzz target defines: libFuzzer calls it with its
// generated inputs, replay_main with the files of the target's corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// The input as text, bytes as they are (an empty input may come as a null pointer).
inline std::string input_text(const std::uint8_t* data, std::size_t size)
{
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}
