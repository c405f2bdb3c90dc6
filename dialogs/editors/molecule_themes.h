// The ten ready-made molecules of the molecule editor, each one text of
// comma-separated fields: title, atom count, centre X, Y, Z, galaxy radius,
// rotation, distance, then seven fields per atom (element, structure type,
// X, Y, Z, radius, symmetry radius).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

inline constexpr int kMoleculeThemeCount = 10;

// The theme list: "Select a Theme", then the ten theme names.
extern const std::array<std::string_view, kMoleculeThemeCount + 1> kMoleculeThemeNames;

// The text of theme 1..10; "" for any other number. The rows are kept in
// columns, each ending in a comma.
std::string GetMoleculeTheme(std::int16_t theme);

}  // namespace orbweave
