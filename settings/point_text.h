#pragma once

// The stored text of one IFS transform or one atom: "*" followed by seven
// numbers, each right-aligned in 5 characters, 36 characters in all, e.g.
// "* 5000 5000    0   50    2   90   33".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

inline constexpr int kPointTextFields = 7;
using PointValues = std::array<std::int16_t, kPointTextFields>;

// A number longer than 5 characters is written whole, never cut.
std::string FormatPointText(const PointValues& values);

// Field k is the leading number of the 5 characters at its position (0 when
// they hold none, and for the part of a short text that is missing), rounded
// halves to even. A number outside the 16-bit range leaves its value as it
// was. The leading "*" is not checked and characters beyond 36 are ignored.
void ParsePointText(std::string_view text, PointValues& values);

}  // namespace orbweave
