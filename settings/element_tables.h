#pragma once

// Built-in tables behind the molecular galaxy style: the chemical elements an
// atom can be, and the number of points of each atom structure type.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orbweave {

// A property of an element: text ("name", "symbol", "shells"), a hue in
// degrees ("color"), a radius ("radius"), or nothing for an unknown property.
using ElementInfo = std::variant<std::monostate, std::string, std::int16_t, float>;

// The property of element 1..17; the property name is compared without regard
// to case. Elements outside 1..17 give empty texts, hue 0 and radius 0.
ElementInfo GetElementInfo(std::int16_t element, std::string_view property);

// Points of an atom of the structure type; types 12 and 13 have an entry (1)
// too. Any other type has none, and the caller leaves its target unchanged.
std::optional<std::int16_t> GetStructurePointCount(std::int16_t structureType);

}  // namespace orbweave
