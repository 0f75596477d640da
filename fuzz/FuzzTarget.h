#pragma once
// The entry every harness defines: libFuzzer calls it with each input it makes up, the corpus
// driver with each file of the seed corpus and the regression inputs.

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace tarlix::fuzz {

inline std::string textOf(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace tarlix::fuzz
