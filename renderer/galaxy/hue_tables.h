// The hue wheel of each galaxy type: 360 colours, one per degree, tinted by
// the type's red, green and blue shares and lifted by its base (white)
// share, in the byte order of the current display.
#pragma once

#include <array>
#include <cstdint>

namespace orbweave {

inline constexpr int kHueColorRows = 51;     // types 0..49; row 50 stays black
inline constexpr int kHueColorColumns = 361;  // hues 0..359; column 360 stays black

extern std::array<std::array<std::int32_t, kHueColorColumns>, kHueColorRows> HueColorTable;

// Rebuilds the wheels of types 0..49 for the current DisplayBpp.
void BuildHueColorTables();

// A hue computed from a star's state, rounded (halves to even) and brought
// into 0..359. Large colour multipliers make hues far beyond one turn, so the
// arithmetic stays in double; a hue that is not finite counts as 0.
std::int16_t WholeHue(double hue);

}  // namespace orbweave
