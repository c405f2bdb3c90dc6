// The ten ready-made iterated function systems of the IFS editor, each one
// text of 42 comma-separated fields: the description, the centre X, Y, Z,
// the galaxy radius, rotation and distance, then for points 1 to 5 X, Y, Z,
// scale, axis (0 X, 1 Y, 2 Z), angle and percent. A point whose values are
// all 0 is empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

inline constexpr int kIfsThemeCount = 10;

// The theme list: "Select a Theme", then the ten theme names.
extern const std::array<std::string_view, kIfsThemeCount + 1> kIfsThemeNames;

// The text of theme 1..10; "" for any other index. After the description
// come seven pieces (centre, galaxy values, five points), each number
// right-aligned in five characters with a comma, each piece padded to 45.
std::string GetIFSTheme(int theme);

}  // namespace orbweave
