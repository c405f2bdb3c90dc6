// What every fuzz target shares: the input as text, and a check that stops
// the run (so that libFuzzer keeps the input) when an answer is wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orbweave::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), size);
}

// Aborts with the rule that failed; libFuzzer and the sanitizers treat the
// abort as a crash and save the input.
inline void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", rule);
    std::abort();
}

}  // namespace orbweave::fuzz
