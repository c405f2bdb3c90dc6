// The tour list: the galaxy slots the universe camera visits in order, read
// from the user's text of galaxy numbers 1..66 separated by blanks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

inline constexpr int kTourCapacity = 100;

struct TourList {
    // Each entry the decimal text of a 0-based type slot (0..65).
    std::array<std::string, kTourCapacity> TourSequence;
    std::int16_t TourCount = 0;
    bool operator==(const TourList&) const = default;
};

// The tour list of the text. Numbers name galaxies from 1 (51..66
// the composites); a token that is not a number, or that does not round to
// 1..66, is ignored, and numbers after the hundredth are dropped.
TourList ParseTourSequence(std::string_view text);

}  // namespace orbweave
